#pragma once
#include <QString>
#include <cstdint>

// The program's one classification of a module by its configuration byte (byte 2 of page 2 of
// the module's memory, the Flag1 column of the database, byte 4 of an archive file's second record).
namespace basVelmar {

enum ModuleTypeCode : int16_t {
    kUnknownModule = -1,
    kReceiver = 0,
    kTransmitter = 1,
    kExciter = 2,
    kToneRemote = 3,
    kQuasiSync = 4,
    kLinearT1 = 5,
};

// The top three bits decide when any is set (100 tone remote, 010 quasi sync, 001 linear T1, any
// other pattern unknown); with none set, bits 1-2 give transmitter (00), exciter (10) or receiver.
int16_t intModuleTypeCode(uint8_t configurationByte);

// "Receiver", "Transmitter", "Exciter" or "ToneRemote"; empty for any other code.
QString strModuleTypeText(int code);

// The code of a type text (exact, case-sensitive comparison); -1 for any other text.
int16_t intModuleTypeFromText(const QString& text);

// True for a receiver, transmitter or exciter, which the radio editor opens.
inline bool isRadioModule(int code) { return code == kReceiver || code == kTransmitter || code == kExciter; }

} // namespace basVelmar
