#pragma once
#include "db/CRADIO.h"

#include <QByteArray>
#include <cstdint>

// The rack scan: which modules answer the POLL, and what each one is.
namespace rackscan {

// Empties `rack`, polls the rack and appends one record per module in the order of the POLL reply:
// serial, type code and text, model text (page 4), custom type (pages 6 and 7), remark (pages 8
// and 9) and the page-11 date as created and updated date. A tone-remote module has texts and date
// only when page 13 carries the tone-remote marker. A module that does not link or answer a read
// gets a record of type -1 with no texts.
// 0 when the rack answered; -1 when the line was busy with another transfer, or UNLINK or POLL failed
// (no message: the caller reports it). Drives the progress indicator ("Reading rack...").
int16_t intScanRack(CRADIOCollection& rack);

// The serial addresses (3 bytes each) of a POLL reply: one per 5-byte entry, entry bytes 2 to 4;
// a trailing part of at least 4 bytes counts as an entry.
QList<QByteArray> pollEntries(const QByteArray& reply);

} // namespace rackscan
