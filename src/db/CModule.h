#pragma once
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

// One module model of the model catalogue.
class CModule {
public:
    // The catalogue's doubler text of a model with a frequency doubler, and its kind of a factory model.
    static inline const QString kDoublerFitted = QStringLiteral("YES");
    static inline const QString kStandardModel = QStringLiteral("Standard");

    QString strModule;          // model name
    int32_t lngLowerFreql = 0;  // lower band edge, Hz
    int32_t lngUpperFreql = 0;  // upper band edge, Hz
    int32_t lngRef1 = 0;        // first reference frequency, Hz
    int32_t lngRef2 = 0;        // second reference frequency, Hz
    int32_t lngIntFreq = 0;     // intermediate frequency, Hz
    int32_t lngTCXOFreq = 0;    // reference oscillator frequency, Hz
    int16_t intPrescalar = 0;   // prescaler
    bool fDoubled = false;      // frequency doubler fitted
    QString strRxTxEx;          // type text as the catalogue stores it
    int16_t intRxTxEx = -1;     // its type code: 0..3 for the four type texts (exact case), else -1
    bool boolStandard = false;  // a factory model (else the user's own)

    // Copies the values; the doubler text counts when it reads "YES" in any case, the type and kind
    // texts only in their exact spelling. Always 0.
    int16_t intInit(const QString& strModuleP, int32_t lngLFreqP, int32_t lngUFreqP, int32_t lngRef1P, int32_t lngRef2P,
                    int32_t lngIntFreqP, int32_t lngTCXOFreqP, int16_t intPrescalarP, const QString& strDoubledP,
                    const QString& strTypeP, const QString& strinfoTypeP);
};

// An ordered list of model records, read by position or in order.
using CModuleCollection = QList<std::shared_ptr<CModule>>;
