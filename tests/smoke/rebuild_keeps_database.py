#!/usr/bin/env python3
"""A rebuild after a change to the core library (mkdb relinked) runs the database rule again on the
velmar.mdb beside the program: a module stored in it is still there afterwards.

    usage: rebuild_keeps_database.py <cmake> <build folder> <folder of the built program>
"""
import os
import sqlite3
import subprocess
import sys

STORED_SERIAL = 16700002


def query(database, sql, args=()):
    db = sqlite3.connect(database)
    try:
        with db:
            return db.execute(sql, args).fetchall()
    finally:
        db.close()


def main(argv):
    cmake, build, bindir = argv[1], argv[2], argv[3]
    database = os.path.join(bindir, "velmar.mdb")
    failures = []
    query(database, "INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) "
                    "VALUES (?, '2026-01-02 03:04:05', '2026-01-02 03:04:05')", (STORED_SERIAL,))
    module_id = query(database, "SELECT ID FROM tblModule WHERE SERIALNUMBER = ?", (STORED_SERIAL,))[0][0]
    query(database, "INSERT INTO tblModulePage VALUES (?, 2, 1, 2, 3, 4, 5, 6, 7, 8)", (module_id,))
    try:
        # What a rebuild after any change to the core library does: mkdb is newer than the database.
        os.utime(os.path.join(bindir, "mkdb"))
        proc = subprocess.run([cmake, "--build", build, "--target", "velmar_data"], capture_output=True, text=True,
                              timeout=600)
        print(proc.stdout, proc.stderr)
        if proc.returncode != 0:
            failures.append("the build ended with exit code %d" % proc.returncode)
        if "velmar.mdb" not in proc.stdout:
            failures.append("the build did not run the database rule")
        pages = query(database, "SELECT Page, BYTE0, BYTE7 FROM tblModulePage WHERE ModuleID = "
                                "(SELECT ID FROM tblModule WHERE SERIALNUMBER = ?)", (STORED_SERIAL,))
        if pages != [(2, 1, 8)]:
            failures.append("the stored module is not as it was after the rebuild: %r" % pages)
    finally:
        query(database, "DELETE FROM tblModule WHERE SERIALNUMBER = ?", (STORED_SERIAL,))
        query(database, "DELETE FROM tblModulePage WHERE ModuleID = ?", (module_id,))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
