#pragma once

// The platform headers of the hosted COM pieces, in the order they need,
// and the identifiers the system's uuid library does not provide (defined
// once, in com_guids.cpp).
#include <windows.h>
#include <richedit.h>
#include <imm.h>
#include <textserv.h>
#include <ole2.h>
#include <ocidl.h>
#include <docobj.h>
#include <exdisp.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <downloadmgr.h>

namespace SkinUI {

// The rich edit library's text services entry, as its exporting DLL names it.
constexpr const char* kCreateTextServicesExport = "CreateTextServices";

}  // namespace SkinUI
