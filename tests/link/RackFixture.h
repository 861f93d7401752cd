#pragma once
#include "rackemu/Rack.h"
#include "support/LineTimingScale.h"
#include "support/RackOnPort.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

// An emulated rack on a pseudo-terminal, opened as the program's serial port 1.
class RackFixture : public ::testing::Test {
protected:
    static constexpr uint32_t kSerial = 1;
    static constexpr uint32_t kSecondSerial = 0x123456;

    void SetUp() override;
    void TearDown() override;

    // The frames the program sent since the last clear.
    std::vector<rackemu::FrameRecord> sent() const { return rack_.frames(); }
    int sentCount() const { return static_cast<int>(rack_.frames().size()); }

    testsupport::ProgramFolder folder_;
    rackemu::Rack rack_;
    testsupport::RackOnPort line_{rack_, folder_};
};

// Bytes written as hexadecimal pairs: "0E 00 00 01".
QByteArray hex(const char* pairs);
// The bytes as upper-case hexadecimal pairs, for readable comparisons.
std::string pairs(const QByteArray& bytes);
