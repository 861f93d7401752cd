#pragma once
#include <QString>

#include <array>

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

// Where each column of a line starts, and the length of a line with its remark filled.
inline constexpr std::array<int, 5> kColumnStarts{0, 9, 21, 34, 47};
inline constexpr int kLineLength = 64;

// The dialog's column caption (one word a column) with each word moved to the start of its
// column, so that the caption stands over the columns in the same fixed-pitch font.
QString ModuleListHeading(const QString& caption);

} // namespace modulelist
