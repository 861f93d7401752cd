#pragma once
// Numbers as the user reads them: the decimal separator of the user's locale, no digit grouping.
#include <QLocale>
#include <QString>

namespace basVelmar {

// The user's locale for numbers: no group separator written, none accepted.
QLocale userNumberLocale();
// `value` with `decimals` decimals; with `leadingZero` false a value below 1 has no digit before
// the separator (".000000", "-.5"), as the "#.000000" picture writes it; otherwise "#0.000000".
// In the user's locale unless another is given (QLocale::c() for "." whatever the user's).
QString formatFixed(double value, int decimals, bool leadingZero = true,
                    const QLocale& locale = userNumberLocale());
// The number a box holds: optional blanks around, the locale's separator. False when the text is
// empty or no number.
bool parseNumber(const QString& text, double& value);
// The leading number of a typed text: blanks skipped, an optional sign, digits with the locale's
// separator and an optional exponent; reading stops at the first other character; 0 when the text
// starts with no number ("37.5 ms" is 37.5, "abc" is 0).
double leadingNumber(const QString& text);
// `value` with as many digits as it needs and no fixed decimals (67, 88.5, 403.0125).
QString plainNumber(double value);

} // namespace basVelmar
