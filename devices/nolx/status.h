#pragma once
// Internal status values of the library and how exports report them.

#include <windows.h>

namespace nolx {

// Exports answer 0 for success and -1 for any failing status.
inline int ExportResult(HRESULT status) { return FAILED(status) ? -1 : 0; }

// Keeps the result of a sequence of transfers that all run: the first
// failure, or the last status when none failed.
class StatusChain {
public:
    HRESULT add(HRESULT status) {
        if (FAILED(status) && !FAILED(first_)) first_ = status;
        last_ = status;
        return status;
    }
    HRESULT result() const { return FAILED(first_) ? first_ : last_; }

private:
    HRESULT first_ = S_OK;
    HRESULT last_ = S_OK;
};

}  // namespace nolx
