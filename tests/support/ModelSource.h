#pragma once
#include <QString>
#include <QStringList>

namespace testsupport {

// Runs the statements, each on its own, on the database file at `path` through a connection of
// the test's own; fails the test when one is refused.
void runOnFile(const QString& path, const QStringList& statements);

// A database file of this program to import models from: made from data/*.sql at `path`, then
// changed by `statements`.
QString makeModelSource(const QString& path, const QStringList& statements = {});

} // namespace testsupport
