// Tells an attached debugger the name of the calling thread, with the exception debuggers know
// (code 0x406D1388); without a debugger the exception is caught and ignored at once.
#pragma once

void NameCurrentThread(const char* name);
