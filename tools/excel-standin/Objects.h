// The automation objects the stand-in hands out. Only the application is created from outside;
// every other object is the result of a member call.
#pragma once

#include "Dispatch.h"

namespace grv::standin {

DispatchObject* newApplicationObject();

}  // namespace grv::standin
