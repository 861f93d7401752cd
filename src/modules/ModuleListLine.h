#pragma once
#include <QString>

class CRADIO;

// The fixed-column line by which the Read Rack and Open dialogs list a module (set in a fixed-pitch
// font under a heading of the same columns): serial number, type, standard model, custom model and
// remark, each cut to its length and filled with blanks to its column's width.
namespace modulelist {

// How the last column ends: the rack list leaves the remark as it is, the stored-module list fills
// it to its column width.
enum class RemarkColumn { AsIs, Filled };

// Serial (cut to 8, width 9), type text (11, 12; blank for a type code outside receiver,
// transmitter, exciter and tone remote), standard model (12, 13), custom model (12, 13),
// remark (16; filled to 17 or not).
QString ModuleListLine(const CRADIO& record, RemarkColumn remark);

} // namespace modulelist
