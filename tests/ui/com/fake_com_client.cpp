#include "tests/ui/com/fake_com_client.h"

#include <algorithm>

namespace SkinUI {
namespace test {

namespace {

template <class F>
F Export(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

FakeComLibrary::FakeComLibrary() : m_module(LoadLibraryW(kFakeControlLibrary))
{
    if (m_module == nullptr)
        return;
    m_readLog = Export<FakeComReadLogProc>(m_module, "FakeCom_ReadLog");
    m_liveObjects = Export<FakeComLiveObjectsProc>(m_module, "FakeCom_LiveObjects");
    m_site = Export<FakeComSiteProc>(m_module, "FakeCom_Site");
    m_fire = Export<FakeBrowserFireProc>(m_module, "FakeBrowser_Fire");
    m_browser = Export<FakeBrowserObjectProc>(m_module, "FakeBrowser_Object");
    m_uiHandler = Export<FakeBrowserUIHandlerProc>(m_module, "FakeBrowser_UIHandler");
    if (m_readLog && m_liveObjects && m_site && m_fire && m_browser && m_uiHandler)
        m_configure = Export<FakeComConfigureProc>(m_module, "FakeCom_Configure");
}

FakeComLibrary::~FakeComLibrary()
{
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

void FakeComLibrary::Configure(const FakeControlConfig& config)
{
    m_configure(&config);
}

std::vector<std::wstring> FakeComLibrary::Log() const
{
    std::wstring text(static_cast<size_t>(m_readLog(nullptr, 0)) + 1, L'\0');
    m_readLog(&text[0], static_cast<int>(text.size()));
    std::vector<std::wstring> entries;
    size_t start = 0;
    for (size_t end = text.find(L'\n'); end != std::wstring::npos; end = text.find(L'\n', start)) {
        entries.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

bool FakeComLibrary::LogHasInOrder(const std::vector<std::wstring>& expected) const
{
    const std::vector<std::wstring> log = Log();
    auto at = log.begin();
    for (const std::wstring& entry : expected) {
        at = std::find(at, log.end(), entry);
        if (at == log.end())
            return false;
        ++at;
    }
    return true;
}

int FakeComLibrary::CountInLog(const std::wstring& entry) const
{
    const std::vector<std::wstring> log = Log();
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

}  // namespace test
}  // namespace SkinUI
