#pragma once
#include "db/ModData.h"

#include <QString>
#include <QStringList>

// The check of a module model as the technician entered it in the model editor, before it is saved.
namespace modeleditor {

// The texts and choices of the editor's boxes. Numbers are read in the user's locale; frequencies in
// MHz but the references, in kHz.
struct ModelEntry {
    QString name;
    QString lowerLimit;
    QString upperLimit;
    QString ref1;
    QString ref2;
    QString prescaler;
    bool doubled = false;
    QString intermediate;  // without sign: the injection side gives it
    bool highSide = true;
    QString tcxo;
    int kind = 0;          // 0 receiver, 1 transmitter, 2 exciter, 3 tone remote
};

// The name with blanks trimmed, and every value that passed its check, in Hz, into `name` and
// `record`. Returns the messages of the failed checks, joined without a separator; empty when the
// entry may be saved. Some failures end the check at once (a band limit or reference that is no
// allowed frequency, a duplicate name). For a new model (`newModel`) the name must differ from every
// name in `catalogueNames` (model numbers compare without case, as the catalogue keeps them). Every
// number is checked, also one the editor hides for the kind. The name holds only characters that
// Windows-1252 has, as every text the catalogue keeps.
QString checkModelEntry(const ModelEntry& entry, bool newModel, const QStringList& catalogueNames, QString& name,
                        ModData& record);

} // namespace modeleditor
