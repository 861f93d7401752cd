#pragma once
// The kind of module a document is of, and the one rule of which configuration bytes keep it of
// that kind: a radio document holds a receiver, transmitter or exciter (it may pass from one to
// another), a tone-remote document a tone remote. The archive readers, the raw page editor and
// the windows' saves all ask this rule.
#include "shell/ModuleType.h"

#include <QString>
#include <cstdint>

class CPageImage;

namespace modulekind {

struct Kind {
    const char* modules;          // "a receiver, transmitter or exciter"
    bool (*isKind)(int typeCode); // the module type codes of the configuration byte it takes
};

inline bool isToneRemoteModule(int code) { return code == basVelmar::kToneRemote; }

inline constexpr Kind kRadio{"a receiver, transmitter or exciter", basVelmar::isRadioModule};
inline constexpr Kind kToneRemote{"a tone-remote module", isToneRemoteModule};

// The kind of the document.
const Kind& of(const CPageImage& image);

// The configuration byte of page 2 of the image (0 when the image has no page 2).
uint8_t configurationByte(const CPageImage& image);
// The module type code that byte gives.
int16_t typeCode(const CPageImage& image);

// Whether the configuration byte `configuration` keeps the image of its own kind.
bool keepsKind(const CPageImage& image, uint8_t configuration);
// Whether page 2 of the image is of the image's own kind.
bool holdsOwnKind(const CPageImage& image);

// "80 (ToneRemote)": a configuration byte in hexadecimal with the type it gives, for messages.
QString configurationText(uint8_t configuration);

} // namespace modulekind
