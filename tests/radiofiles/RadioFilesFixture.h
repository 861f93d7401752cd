#pragma once
// Shared pieces of the radio file tests: documents of catalogue models in a database made in a
// temporary program folder, page helpers, and the files' bytes.
#include "radio/CLASSOrvDocument.h"
#include "support/PageBytes.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <array>
#include <QString>
#include <gtest/gtest.h>

// Catalogue models: 148-174 MHz, references 12500 and 6250 Hz, TCXO 12.8 MHz, prescaler 64.
inline const QString kReceiverModel = QStringLiteral("Vr31-05-0000");    // IF 21.4 MHz
inline const QString kTransmitterModel = QStringLiteral("Vr31-15-0000");
constexpr int32_t kSerial = 0x0A0B0C; // 658188

using testsupport::documentPages;
using testsupport::page7to0;
using testsupport::pageOf;
using testsupport::textPage;
// The frequency word of a frequency, bytes 7, 6, 5 (step 12500 Hz when it divides, else 6250 Hz).
std::array<uint8_t, 3> frequencyWord(int64_t hz);
// A channel page.
QByteArray channelPage(int64_t storedHz, int toneCode, int deviation, int reference, int pins);

using testsupport::readFile;
using testsupport::writeFile;

// A database made from data/*.sql in a temporary program folder. Message boxes nobody expects
// fail the test.
class RadioFilesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new document of a catalogue model with `channels` channels, serial kSerial.
    CLASSOrvDocument newDocument(const QString& model, int channels, int partition = 16);
    QString file(const QString& name) const { return folder_.file(name); }

    testsupport::ProgramFolder folder_;
};
