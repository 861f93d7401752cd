#include "radioview/GridColumnWidths.h"

#include <algorithm>
#include <numeric>

namespace orvview {
namespace {

constexpr int kTwipsPerPixel = 15;  // 1440 twips an inch at 96 pixels an inch
constexpr int kLeastWidthTwips = 100;

} // namespace

QList<int> gridColumnWidths(int width, const QList<int>& divisors, const QList<int>& needs)
{
    const int twips = std::max(kLeastWidthTwips, width * kTwipsPerPixel);
    QList<int> widths;
    QList<int> spare;
    for (qsizetype c = 0; c < divisors.size(); ++c) {
        const int share = divisors[c] > 0 ? twips / divisors[c] / kTwipsPerPixel : 0;
        const int need = c < needs.size() ? needs[c] : 0;
        widths << std::max(share, need);
        spare << std::max(0, share - need);
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int spareTotal = std::accumulate(spare.begin(), spare.end(), 0);
    int over = std::min(total - width, spareTotal);
    if (over <= 0)
        return widths;
    // Each column gives its part of the excess, rounded down; what rounding leaves goes from the
    // first columns that still have some to spare.
    int given = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const int part = static_cast<int>(static_cast<long long>(over) * spare[c] / spareTotal);
        widths[c] -= part;
        spare[c] -= part;
        given += part;
    }
    for (qsizetype c = 0; c < widths.size() && given < over; ++c) {
        const int part = std::min(spare[c], over - given);
        widths[c] -= part;
        given += part;
    }
    return widths;
}

} // namespace orvview
