#include "db/PageFields.h"

#include <algorithm>

namespace pagefields {

QByteArray reversed(QByteArray page)
{
    std::reverse(page.begin(), page.end());
    return page;
}

} // namespace pagefields
