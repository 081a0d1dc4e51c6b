#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/core/ui_events.h"

namespace SkinUI {
namespace test {

// Keeps a copy of every notification it receives; an optional hook runs
// after the copy is taken.
class RecordingReceiver : public INotifyUI {
public:
    void Notify(NotifyRecordUI& record) override
    {
        records.push_back(record);
        if (onNotify)
            onNotify(record);
    }

    // The types received, in order, optionally only those of one type.
    std::vector<std::wstring> Types() const
    {
        std::vector<std::wstring> types;
        for (const NotifyRecordUI& record : records)
            types.push_back(record.type.GetData());
        return types;
    }
    int Count(const wchar_t* type) const
    {
        int count = 0;
        for (const NotifyRecordUI& record : records)
            count += record.type == type ? 1 : 0;
        return count;
    }

    std::vector<NotifyRecordUI> records;
    std::function<void(NotifyRecordUI&)> onNotify;
};

}  // namespace test
}  // namespace SkinUI
