#pragma once
// The question before a document is stored in the database over a module that is not its own.
class CPageImage;

namespace docwindow {

// True when the document may be stored in the database under its serial number. When another
// module is stored there (one the document was neither loaded from, read from nor stored as, or
// one of another kind) the user is asked first, naming the stored module's kind and model, with
// No the default: false after No. A document over its own stored copy, or under a free serial
// number, goes on without a question.
bool mayStoreOver(const CPageImage& doc);

} // namespace docwindow
