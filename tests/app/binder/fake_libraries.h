#pragma once
// In-process stand-ins for the device libraries: every export of every list is
// a __stdcall function that logs its call and answers what the test scripted.

#include "app/core/binder/device_entries.h"
#include "app/core/binder/module_loader.h"

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

using CallArgs = std::vector<intptr_t>;

struct LoggedCall {
    std::string name;
    CallArgs args;
};

// The one fake controller set behind all fake exports.
class FakeExports {
public:
    using Behaviour = std::function<int(const CallArgs&)>;

    static FakeExports& Get();

    void Reset();
    // What the export does and answers; an export without one answers 0.
    void On(const std::string& exportName, Behaviour behaviour);
    // Answers result, doing nothing else.
    void Answer(const std::string& exportName, int result);

    std::vector<std::string> Names() const;
    std::vector<CallArgs> CallsTo(const std::string& exportName) const;

    int Dispatch(size_t entryOffset, CallArgs args);

private:
    mutable std::mutex mutex_;  // calls may come from several threads
    std::vector<LoggedCall> calls_;
    std::map<std::string, Behaviour> behaviours_;
};

template <class T>
T* Out(intptr_t argument) {
    return reinterpret_cast<T*>(argument);
}

// Loads the fake libraries: those not listed as missing load, and every name
// of a library's list is exported unless listed as missing.
class FakeModuleLoader : public ModuleLoader {
public:
    explicit FakeModuleLoader(std::set<std::wstring> missingLibraries = {}, std::set<std::string> missingExports = {},
                              std::vector<std::wstring>* loadLog = nullptr);

    HMODULE Load(const std::wstring& fileName) override;
    void* FindExport(HMODULE module, const char* name) override;
    void Free(HMODULE module) override;

private:
    std::set<std::wstring> missingLibraries_;
    std::set<std::string> missingExports_;
    std::vector<std::wstring>* loadLog_;
};
