#include "toneremote/Tones.h"

QString Tones::keyOf(int16_t tone1, int16_t tone2)
{
    return QStringLiteral("%1_%2").arg(tone1).arg(tone2);
}

int16_t Tones::AddNew(int16_t iTone1, int16_t iTone2, int16_t iAction, int16_t iPos, const QString& sTemp)
{
    auto tone = std::make_shared<cTone>();
    tone->Tone1 = iTone1;
    tone->Tone2 = iTone2;
    tone->ActionCode = iAction;
    tone->Position = iPos;
    tone->Description = sTemp;
    entries_.Add(tone, keyOf(iTone1, iTone2));
    return 0;
}

std::shared_ptr<cTone> Tones::GetItem(int iIndex) const
{
    const auto* entry = entries_.Item(iIndex);
    return entry ? *entry : nullptr;
}

std::shared_ptr<cTone> Tones::GetItem(const QString& iIndex) const
{
    const auto* entry = entries_.Item(iIndex);
    return entry ? *entry : nullptr;
}

int16_t Tones::modify(const std::shared_ptr<cTone>& entry, int16_t code, const QString& text)
{
    if (!entry)
        return -1;
    changes_.append(entry->CloneSelf());
    entry->ActionCode = code;
    entry->Description = text;
    return 0;
}

int16_t Tones::ModifyTone(int Index, int16_t iActioncode, const QString& sString)
{
    return modify(GetItem(Index), iActioncode, sString);
}

int16_t Tones::ModifyTone(const QString& Index, int16_t iActioncode, const QString& sString)
{
    return modify(GetItem(Index), iActioncode, sString);
}

std::shared_ptr<cTone> Tones::UndoLast()
{
    if (changes_.isEmpty())
        return nullptr;
    const std::shared_ptr<cTone> before = changes_.takeLast();
    const std::shared_ptr<cTone> entry = GetItem(keyOf(before->Tone1, before->Tone2));
    if (entry)
        entry->Copy(*before);
    return entry;
}

int16_t Tones::CountFiltered(bool blnActiveOnly, bool blnOneToneOnly) const
{
    int16_t n = 0;
    for (const auto& tone : entries_)
        if ((tone->Active() || !blnActiveOnly) && (tone->OneTone() || !blnOneToneOnly))
            ++n;
    return n;
}
