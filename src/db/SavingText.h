#pragma once
#include <QString>
#include <cstdint>

// What a document's save back to where it came from tells the user ("Saving to Database" ...),
// by the document's origin (DocumentSource); empty for an origin no save goes back to.
QString strSavingTo(int16_t intDocumentFrom);
