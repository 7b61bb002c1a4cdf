// The workbook snapshot: what the stand-in's workbooks hold, as one JSON document.
#pragma once

#include "SheetModel.h"

#include <string>
#include <string_view>

namespace grv::standin {

// `reason` says what wrote it: "visible" or "quit".
std::string snapshotJson(const Application& app, std::string_view reason);

}  // namespace grv::standin
