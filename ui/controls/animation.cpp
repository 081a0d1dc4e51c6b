#include "ui/controls/animation.h"

#include "ui/core/control.h"
#include "ui/core/window_manager.h"

namespace SkinUI {

bool CUIAnimation::Start(int periodMs, int frameCount, UINT id, bool loop)
{
    if (IsRunning(id) || periodMs <= 0 || frameCount <= 0 || m_owner == nullptr)
        return false;
    CWindowManagerUI* manager = m_owner->GetManager();
    if (manager == nullptr || !manager->StartTimer(m_owner, id, static_cast<UINT>(periodMs)))
        return false;
    std::unique_ptr<AnimationRecordUI> record(new AnimationRecordUI);
    record->id = id;
    record->periodMs = periodMs;
    record->frameCount = frameCount;
    record->loop = loop;
    record->serial = ++m_nextSerial;
    m_records.push_back(std::move(record));
    return true;
}

void CUIAnimation::StopTimer(UINT id)
{
    if (CWindowManagerUI* manager = m_owner->GetManager())
        manager->StopTimer(m_owner, id);
}

void CUIAnimation::Stop(UINT id)
{
    if (m_owner == nullptr)
        return;
    if (id == 0) {
        for (const std::unique_ptr<AnimationRecordUI>& record : m_records)
            StopTimer(record->id);
        m_records.clear();
        return;
    }
    AnimationRecordUI* record = Find(id);
    if (record == nullptr)
        return;
    StopTimer(id);
    Remove(record);
}

bool CUIAnimation::IsRunning(UINT id) const
{
    return Find(id) != nullptr;
}

int CUIAnimation::GetFrame(UINT id) const
{
    const AnimationRecordUI* record = Find(id);
    return record != nullptr ? record->currentFrame : -1;
}

bool CUIAnimation::SetFrame(int frame, UINT id)
{
    AnimationRecordUI* record = Find(id);
    if (record == nullptr || frame < 0 || frame > record->frameCount)
        return false;
    record->currentFrame = frame;
    return true;
}

void CUIAnimation::OnStep(int, int, UINT) {}

void CUIAnimation::OnStart(UINT, bool) {}

void CUIAnimation::OnStop(UINT) {}

void CUIAnimation::OnTimer(UINT id)
{
    if (m_owner == nullptr)
        return;
    AnimationRecordUI* record = Find(id);
    if (record == nullptr)
        return;
    const unsigned serial = record->serial;
    if (record->currentFrame == 0) {
        const bool firstRun = record->firstRun;
        record->firstRun = false;
        OnStart(id, firstRun);
        if (!StillRunning(record, serial))
            return;
    }
    OnStep(record->frameCount, record->currentFrame, id);
    if (!StillRunning(record, serial))
        return;
    if (record->currentFrame < record->frameCount) {
        ++record->currentFrame;
        return;
    }
    OnStop(id);
    if (!StillRunning(record, serial))
        return;
    if (record->loop) {
        record->currentFrame = 0;
        return;
    }
    StopTimer(id);
    Remove(record);
}

AnimationRecordUI* CUIAnimation::Find(UINT id) const
{
    for (const std::unique_ptr<AnimationRecordUI>& record : m_records) {
        if (record->id == id)
            return record.get();
    }
    return nullptr;
}

bool CUIAnimation::StillRunning(const AnimationRecordUI* record, unsigned serial) const
{
    for (const std::unique_ptr<AnimationRecordUI>& running : m_records) {
        if (running.get() == record && running->serial == serial)
            return true;
    }
    return false;
}

void CUIAnimation::Remove(const AnimationRecordUI* record)
{
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (it->get() == record) {
            m_records.erase(it);
            return;
        }
    }
}

}  // namespace SkinUI
