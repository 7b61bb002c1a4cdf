// Reads the Excel stand-in's call log (one JSON object per line) far enough for the tests: each
// call's object, member, dispatch flags, arguments and their types, and an error if it failed.
#pragma once

#include <string>
#include <vector>

struct LoggedCall {
    unsigned long pid = 0;
    std::string object, ref, member, name, kind, args, types, error;
    int flags = 0;
    std::string line;
    // "Rows(3).RowHeight put [80]" style summary used in assertions.
    std::string Summary() const;
};

std::vector<LoggedCall> ReadStandinLog(const std::wstring& path);

// Ends every stand-in process named in the log: a workbook made visible keeps its server running,
// and a server left behind would hold the test runner's output open.
void CloseStandins(const std::wstring& logPath);
