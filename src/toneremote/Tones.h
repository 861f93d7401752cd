#pragma once
// The function-tone list of the editor: one cTone per tone pair, reachable by 1-based position or
// by the key "Tone1_Tone2" (650_750), with a log of every change for undo.
#include "shell/KeyedCollection.h"
#include "toneremote/cTone.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

class Tones {
public:
    int16_t Count() const { return static_cast<int16_t>(entries_.Count()); }
    // Copies in the change log; undo is possible while above 0.
    int16_t CountChanges() const { return static_cast<int16_t>(changes_.size()); }

    // Adds an entry under its key; a key already there raises platform::Error and adds nothing.
    int16_t AddNew(int16_t iTone1, int16_t iTone2, int16_t iAction, int16_t iPos, const QString& sTemp);
    // The entry at a 1-based position or under a key; nullptr when there is none.
    std::shared_ptr<cTone> GetItem(int iIndex) const;
    std::shared_ptr<cTone> GetItem(const QString& iIndex) const;
    // Logs a copy of the entry, then gives it the new action and text. -1, nothing logged, when
    // there is no such entry.
    int16_t ModifyTone(int Index, int16_t iActioncode, const QString& sString);
    int16_t ModifyTone(const QString& Index, int16_t iActioncode, const QString& sString);
    // Puts the entry of the last logged change back as it was and returns it; nullptr when the
    // log is empty.
    std::shared_ptr<cTone> UndoLast();
    // Entries that are active (when `blnActiveOnly`) and one-tone (when `blnOneToneOnly`).
    int16_t CountFiltered(bool blnActiveOnly, bool blnOneToneOnly) const;

    static QString keyOf(int16_t tone1, int16_t tone2);

private:
    int16_t modify(const std::shared_ptr<cTone>& entry, int16_t code, const QString& text);

    KeyedCollection<std::shared_ptr<cTone>> entries_;
    QList<std::shared_ptr<cTone>> changes_;
};
