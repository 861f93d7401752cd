// The entry checks of the voting and line-level boxes: what a box takes while typing and its
// check when the focus leaves it.
#include "toneremoteview/TRVotingControls.h"

#include "platform/MsgBox.h"
#include "shell/FailureTrap.h"
#include "shell/LocaleNumbers.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRLineLevels.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <cmath>

using basVelmar::leadingNumber;
using basVelmar::plainNumber;

// The voting level is kept as typed; the other boxes' values whole, a half to the even one.
void TRVotingControls::keep(QLineEdit* box)
{
    const double v = leadingNumber(box->text());
    kept_[box] = box == txtVoteLevel ? v : std::nearbyint(v);
}

bool TRVotingControls::refuse(QLineEdit* box, const QString& text, const QString& title)
{
    platform::MsgBox(text, platform::vbExclamation, title);
    box->setText(plainNumber(kept_.value(box, 0)));
    return false;
}

bool TRVotingControls::keyAccepted(QLineEdit* box, QChar key) const
{
    if (key == QLatin1Char('\b'))
        return true;
    const bool digit = key.isDigit() && key.unicode() < 128;
    if (box == txtLowerFrequency || box == txtUpperFrequency || box == txtMuteFreq) {
        if (!digit)
            return false;
        // A digit that would take the typed frequency above the highest is not taken.
        return box->hasSelectedText() || leadingNumber(box->text() + key) <= 3500;
    }
    if (digit)
        return true;
    if (key == QLatin1Char('-'))
        return leadingNumber(box->text()) == 0;
    const QString point = basVelmar::userNumberLocale().decimalPoint();
    return box != txtUpperLevel && point.size() == 1 && key == point.at(0);
}

bool TRVotingControls::frequencyInRange(QLineEdit* box, double lowest)
{
    const double v = leadingNumber(box->text());
    if (v >= lowest && v <= 3500)
        return true;
    return refuse(box,
                  lowest == 2700 ? QStringLiteral("Enter the value between 2700Hz and 3500Hz")
                                 : QStringLiteral("Enter the value between 2500Hz and 3500Hz"),
                  QStringLiteral("Invalid Value"));
}

bool TRVotingControls::txtLowerFrequency_LostFocus() { return frequencyInRange(txtLowerFrequency, 2700); }

bool TRVotingControls::txtUpperFrequency_LostFocus()
{
    if (!frequencyInRange(txtUpperFrequency, 2700))
        return false;
    if (leadingNumber(txtLowerFrequency->text()) >= leadingNumber(txtUpperFrequency->text()))
        return refuse(txtUpperFrequency, QStringLiteral("Enter the value higher then lower frequency"),
                      QStringLiteral("Invalid Value"));
    return true;
}

bool TRVotingControls::txtMuteFreq_LostFocus() { return frequencyInRange(txtMuteFreq, 2500); }

bool TRVotingControls::levelBoxLostFocus(QLineEdit* box, const QString& title)
{
    // A level box holds whole dBm between -150 and -50.
    const double v = leadingNumber(box->text());
    const bool ok = v >= -150 && v <= -50;
    if (!ok)
        refuse(box, QStringLiteral("Enter the value between -150 and -50"), title);
    box->setText(plainNumber(std::trunc(leadingNumber(box->text()))));
    return ok;
}

bool TRVotingControls::txtLowerLevel_LostFocus()
{
    return levelBoxLostFocus(txtLowerLevel, QStringLiteral("Invalid Value for Lower Level"));
}

bool TRVotingControls::txtUpperLevel_LostFocus()
{
    return levelBoxLostFocus(txtUpperLevel, QStringLiteral("Invalid Value for Upper Level"));
}

bool TRVotingControls::txtVoteLevel_LostFocus()
{
    document().fModified = true;
    const double v = leadingNumber(txtVoteLevel->text());
    if (v > -1 || v < -40)
        return refuse(txtVoteLevel,
                      QStringLiteral("Enter the value between ") + QString::number(-40) + QStringLiteral(" dBr and ")
                          + QString::number(-1) + QStringLiteral(" dBr"),
                      QStringLiteral("Invalid Value"));
    return true;
}

void TRVotingControls::snapLineLevel(QLineEdit* box, int16_t port)
{
    basVelmar::trapped([&]() -> int16_t {
        document().fModified = true;
        const QSqlDatabase db = links_.database();
        const int16_t step = trview::bytLevelLookup(db, leadingNumber(box->text()), port);
        box->setText(plainNumber(trview::dblLevelLookup(db, step, port)));
        return 0;
    });
}

void TRVotingControls::txtLineIn_LostFocus() { snapLineLevel(txtLineIn, trview::kLineIn); }

void TRVotingControls::txtLineOut_LostFocus() { snapLineLevel(txtLineOut, trview::kLineOut); }
