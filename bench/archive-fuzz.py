#!/usr/bin/env python3
"""Makes the damaged and hostile archives bench/archive-fuzz.sh restores, from one real backup of a small database.

    archive-fuzz.py COUNT SEED BASE.sqlite BASE.SPA ZEM_MAINTAIN OUT_FOLDER

Writes OUT_FOLDER/NNNN.SPA and OUT_FOLDER/manifest.tsv ("file kind variant" per line). The COUNT archives go round
the kinds in turn, so each kind gets COUNT / kinds of them; the variant within a kind and every length, bit and
name are drawn from SEED. The damaged kinds change the bytes of the real backup; the hostile kinds are databases
packed by the program's own codec (`zem_maintain pack`), so only their content is hostile.
"""

import hashlib
import os
import random
import shutil
import sqlite3
import struct
import subprocess
import sys
import zlib

FRAME_MAGIC = 0xFD2FB528
SEAL_BYTES = 104  # the backup's seal at the archive's end: a skippable frame of 8 + 96 bytes

WORDS = ["audit", "wipe", "shadow", "sync", "mirror", "extra", "spare", "tally", "keep", "note", "guard", "copy"]


def frame_header_length(data):
    """The length of the zstd frame header at the start of data (magic, descriptor, window, dictionary, size)."""
    descriptor = data[4]
    size_flag = descriptor >> 6
    single = bool(descriptor & 0x20)
    size_bytes = (1 if single else 0) if size_flag == 0 else [0, 2, 4, 8][size_flag]
    return 5 + (0 if single else 1) + [0, 1, 2, 4][descriptor & 3] + size_bytes


def flip_bits(data, lo, hi, count, rng):
    # Distinct bits, so that no flip undoes another and the archive always differs from the backup.
    out = bytearray(data)
    where = []
    for spot in sorted(rng.sample(range(lo * 8, hi * 8), count)):
        at, bit = divmod(spot, 8)
        out[at] ^= 1 << bit
        where.append(f"{at}.{bit}")
    return bytes(out), ",".join(where)


class Maker:
    def __init__(self, seed, base_db, base_archive, tool, out):
        self.rng = random.Random(seed)
        self.base_db = base_db
        self.archive = open(base_archive, "rb").read()
        self.tool = tool
        self.out = out
        self.scratch = os.path.join(out, "scratch.sqlite")
        con = sqlite3.connect(base_db)
        rows = con.execute("SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite%'").fetchall()
        con.close()
        virtual_parts = ("BookingPeriod", "CustomerText")
        self.tables = [n for t, n, _ in rows if t == "table" and not n.startswith(virtual_parts)]
        self.triggers = [(n, tb) for t, n, tb in rows if t == "trigger"]
        self.indexes = [(n, tb) for t, n, tb in rows if t == "index"]
        self.views = [n for t, n, _ in rows if t == "view"]

    def definition(self, name):
        con = sqlite3.connect(self.base_db)
        sql = con.execute("SELECT sql FROM sqlite_master WHERE name = ?", (name,)).fetchone()[0]
        con.close()
        return sql

    # --- packing -------------------------------------------------------------------------------------------------

    def pack_file(self, source, target):
        if os.path.exists(target):
            os.remove(target)
        subprocess.run([self.tool, "pack", source, target], check=True, stdout=subprocess.DEVNULL)

    def pack_sql(self, target, statements, writable_schema=None, fresh=False):
        """Our database (or a fresh file) with statements run on it, then writable_schema edits, packed."""
        if os.path.exists(self.scratch):
            os.remove(self.scratch)
        if not fresh:
            shutil.copyfile(self.base_db, self.scratch)
        con = sqlite3.connect(self.scratch, isolation_level=None)
        con.executescript(statements)
        if writable_schema:
            # Edits of the stored schema text, as a tool that writes the file directly could leave them.
            con.execute("PRAGMA writable_schema = ON")
            for sql, args in writable_schema:
                con.execute(sql, args)
            con.execute("PRAGMA writable_schema = OFF")
        con.close()
        self.pack_file(self.scratch, target)

    # --- the damaged kinds ---------------------------------------------------------------------------------------

    def truncated(self, target):
        n = len(self.archive)
        r = self.rng.random()
        if r < 0.15:
            length = self.rng.randrange(0, 18)  # inside the frame header
        elif r < 0.3:
            length = n - self.rng.randrange(1, 5)  # inside the closing checksum
        else:
            length = self.rng.randrange(18, n - 4)
        open(target, "wb").write(self.archive[:length])
        return f"{length}-of-{n}"

    def bitflip_header(self, target):
        header = frame_header_length(self.archive)
        data, where = flip_bits(self.archive, 0, header, self.rng.randint(1, 3), self.rng)
        open(target, "wb").write(data)
        return "bits " + where

    def bitflip_body(self, target):
        header = frame_header_length(self.archive)
        data, where = flip_bits(self.archive, header, len(self.archive), self.rng.randint(1, 8), self.rng)
        open(target, "wb").write(data)
        return "bits " + where

    def wrong_magic(self, target):
        variant = self.rng.choice(["random", "older-zstd", "gzip", "raw-database", "zip", "empty", "skippable-only"])
        body = self.archive[4:]
        if variant == "random":
            while True:
                magic = self.rng.getrandbits(32)
                if magic != FRAME_MAGIC and (magic & 0xFFFFFFF0) != 0x184D2A50:
                    break
            data = struct.pack("<I", magic) + body
        elif variant == "older-zstd":
            data = struct.pack("<I", 0xFD2FB527) + body
        elif variant == "gzip":
            raw = open(self.base_db, "rb").read()
            data = b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\xff" + zlib.compress(raw)[2:-4]
        elif variant == "raw-database":
            data = open(self.base_db, "rb").read()
        elif variant == "zip":
            data = b"PK\x03\x04" + body
        elif variant == "empty":
            data = b""
        else:
            payload = self.archive[: self.rng.randint(8, 64)]
            data = struct.pack("<II", 0x184D2A50 | self.rng.randrange(16), len(payload)) + payload
        open(target, "wb").write(data)
        return variant

    def seal(self, target):
        # The seal a backup ends with: damaged, forged, taken from another backup, moved or doubled.
        variant = self.rng.choice(["flipped", "forged-note", "other-backup", "before-data", "twice"])
        data, seal = self.archive[:-SEAL_BYTES], self.archive[-SEAL_BYTES:]
        if variant == "flipped":
            out, where = flip_bits(self.archive, len(data), len(self.archive), self.rng.randint(1, 3), self.rng)
            variant += " " + where
        elif variant == "forged-note":
            # Another note with the frame's own digest made again: only the authenticator can tell.
            forged = bytearray(seal)
            forged[56 + self.rng.randrange(16)] ^= 1 << self.rng.randrange(8)
            forged[88:] = hashlib.blake2b(bytes(forged[:88]), digest_size=16).digest()
            out = data + bytes(forged)
        elif variant == "other-backup":
            shutil.copyfile(self.base_db, self.scratch)
            con = sqlite3.connect(self.scratch)
            con.execute("INSERT INTO Customer (Name) VALUES (?)", (self.word(),))
            con.commit()
            con.close()
            other = os.path.join(self.out, "other.SPA")
            subprocess.run([self.tool, "backup", self.scratch, other], check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            out = data + open(other, "rb").read()[-SEAL_BYTES:]
            os.remove(other)
        elif variant == "before-data":
            out = seal + data
        else:
            out = self.archive + seal
        open(target, "wb").write(out)
        return variant

    def huge_size(self, target):
        # A frame header with an 8-byte content size far beyond any disk, then the real archive's blocks.
        size = int(2 ** self.rng.uniform(37, 63.99))
        header = frame_header_length(self.archive)
        window = 0x50  # 1 MiB window
        data = struct.pack("<IBB", FRAME_MAGIC, 0xC4, window) + struct.pack("<Q", size) + self.archive[header:]
        open(target, "wb").write(data)
        return f"declares {size}"

    # --- the hostile kinds: packed as a backup packs -------------------------------------------------------------

    def word(self):
        return self.rng.choice(WORDS).capitalize() + str(self.rng.randrange(100))

    def foreign_sqlite(self, target):
        variant = self.rng.choice(["other-program", "our-names-other-columns", "empty-database", "missing-core-table",
                                   "text-file"])
        if variant == "other-program":
            self.pack_sql(target,
                          "CREATE TABLE Notes (id INTEGER PRIMARY KEY, title TEXT, body TEXT, created REAL);"
                          "CREATE TABLE Tags (id INTEGER PRIMARY KEY, name TEXT UNIQUE);"
                          "CREATE TABLE NoteTags (note INTEGER, tag INTEGER, PRIMARY KEY (note, tag));"
                          "CREATE INDEX ix_notes_created ON Notes (created);"
                          "INSERT INTO Notes (title, body, created) VALUES ('groceries', 'milk', 1.5);"
                          "INSERT INTO Tags (name) VALUES ('home');", fresh=True)
        elif variant == "our-names-other-columns":
            tables = ["Customer", "Owner", "Berth", "Booking", "BookingBerth", "Settings", "Company"]
            self.pack_sql(target, "".join(f"CREATE TABLE {t} (id INTEGER PRIMARY KEY, payload BLOB);" for t in tables)
                          + "PRAGMA user_version = 10;", fresh=True)
        elif variant == "empty-database":
            self.pack_sql(target, f"PRAGMA page_size = {self.rng.choice([512, 4096, 65536])}; VACUUM;", fresh=True)
        elif variant == "missing-core-table":
            table = self.rng.choice(["Customer", "Owner", "Settings", "Company"])
            self.pack_sql(target, f"PRAGMA foreign_keys = OFF; DROP TABLE {table};")
            variant += " " + table
        else:
            path = self.scratch + ".txt"
            open(path, "wb").write(bytes(self.rng.getrandbits(8) for _ in range(self.rng.randint(0, 5000))))
            self.pack_file(path, target)
            os.remove(path)
        return variant

    def extra_trigger(self, target):
        variant = self.rng.choice(["new", "new", "altered-ours", "internal-name"])
        table = self.rng.choice(["Customer", "Booking", "BookingBerth", "Berth", "Payment", "Company"])
        when = self.rng.choice(["BEFORE", "AFTER"])
        event = self.rng.choice(["INSERT", "UPDATE", "DELETE"])
        body = self.rng.choice(["DELETE FROM Customer;", "UPDATE Company SET Name = 'gone';",
                                "INSERT INTO Owner (Name) VALUES ('spy');"])
        if variant == "new":
            name = self.word()
            self.pack_sql(target, f"CREATE TRIGGER {name} {when} {event} ON {table} BEGIN {body} END;")
            return f"{variant} {name} {when} {event} ON {table}"
        if variant == "altered-ours":
            name, on = self.rng.choice(self.triggers)
            # The same name, the same table, another body: only the definition tells it apart.
            sql = self.definition(name)
            end = sql.rindex("END")
            self.pack_sql(target, "", [("UPDATE sqlite_master SET sql = ? WHERE name = ?",
                                        (sql[:end] + body + " " + sql[end:], name))])
            return f"{variant} {name}"
        # A name SQLite keeps for itself: CREATE refuses it, a file written directly can still carry it.
        name = "sqlite_" + self.word().lower()
        self.pack_sql(target, "", [("INSERT INTO sqlite_master (type, name, tbl_name, rootpage, sql) "
                                    "VALUES ('trigger', ?, ?, 0, ?)",
                                    (name, table, f"CREATE TRIGGER {name} {when} {event} ON {table} BEGIN {body} END"))])
        return f"{variant} {name} {when} {event} ON {table}"

    def extra_view(self, target):
        variant = self.rng.choice(["new", "new", "altered-ours", "internal-name"])
        if variant == "new":
            name = self.word()
            table = self.rng.choice(self.tables)
            self.pack_sql(target, f"CREATE VIEW {name} AS SELECT * FROM {table};")
            return f"{variant} {name}"
        if variant == "altered-ours":
            name = self.rng.choice(self.views)
            self.pack_sql(target, "", [("UPDATE sqlite_master SET sql = sql || ' LIMIT 1' "
                                        "WHERE type = 'view' AND name = ?", (name,))])
            return f"{variant} {name}"
        name = "sqlite_" + self.word().lower()
        self.pack_sql(target, "", [("INSERT INTO sqlite_master (type, name, tbl_name, rootpage, sql) "
                                    "VALUES ('view', ?, ?, 0, ?)", (name, name,
                                                                  f"CREATE VIEW {name} AS SELECT 1 AS x"))])
        return f"{variant} {name}"

    def extra_table(self, target):
        variant = self.rng.choice(["plain", "plain", "virtual-fts", "virtual-rtree", "statistics"])
        name = self.word()
        if variant == "plain":
            self.pack_sql(target, f"CREATE TABLE {name} (ID INTEGER PRIMARY KEY, Value TEXT);"
                                  f"INSERT INTO {name} (Value) VALUES ('x');")
        elif variant == "virtual-fts":
            self.pack_sql(target, f"CREATE VIRTUAL TABLE {name} USING fts5 (body);")
        elif variant == "virtual-rtree":
            self.pack_sql(target, f"CREATE VIRTUAL TABLE {name} USING rtree (id, a, b);")
        else:
            # ANALYZE's statistics steer every query plan of the desk that opens the file.
            self.pack_sql(target, "ANALYZE;")
            return variant
        return f"{variant} {name}"

    def altered_index(self, target):
        name, table = self.rng.choice([i for i in self.indexes if not i[0].startswith("sqlite_")])
        con = sqlite3.connect(self.base_db)
        columns = [r[1] for r in con.execute(f"PRAGMA table_info({table})")]
        sql = con.execute("SELECT sql FROM sqlite_master WHERE name = ?", (name,)).fetchone()[0]
        con.close()
        variant = self.rng.choice(["other-column", "unique", "partial", "descending"])
        body = sql[sql.index("(") + 1: sql.rindex(")")]
        if variant == "other-column":
            others = [c for c in columns if c.lower() not in body.lower()]
            new = f"CREATE INDEX {name} ON {table} ({self.rng.choice(others)})"
        elif variant == "unique":
            new = sql.replace("CREATE INDEX", "CREATE UNIQUE INDEX", 1)
            if new == sql:
                new = f"CREATE INDEX {name} ON {table} ({body}, {self.rng.choice(columns)})"
        elif variant == "partial":
            new = f"CREATE INDEX {name} ON {table} ({body}) WHERE {columns[0]} > 0"
        else:
            new = f"CREATE INDEX {name} ON {table} ({body.split(',')[0]} DESC)"
        try:
            self.pack_sql(target, f"DROP INDEX {name}; {new};")
        except sqlite3.IntegrityError:
            # A unique index the rows do not allow: the same change, written as the schema text alone.
            self.pack_sql(target, "", [("UPDATE sqlite_master SET sql = ? WHERE name = ?", (new, name))])
        return f"{variant} {name}"

    def altered_column(self, target):
        table = self.rng.choice(self.tables)
        con = sqlite3.connect(self.base_db)
        info = con.execute(f"PRAGMA table_info({table})").fetchall()  # cid, name, type, notnull, default, pk
        con.close()
        variant = self.rng.choice(["added", "type", "not-null-dropped", "default-changed", "check-added",
                                   "collation"])
        cid, column, kind, notnull, default, pk = self.rng.choice(info)
        if variant == "added":
            self.pack_sql(target, f"ALTER TABLE {table} ADD COLUMN {self.word()} TEXT;")
            return f"{variant} {table}"
        if variant == "not-null-dropped":
            candidates = [r for r in info if r[3]]
            if not candidates:
                variant = "type"
            else:
                cid, column, kind, notnull, default, pk = self.rng.choice(candidates)
        if variant == "default-changed":
            candidates = [r for r in info if r[4] is not None]
            if not candidates:
                variant = "type"
            else:
                cid, column, kind, notnull, default, pk = self.rng.choice(candidates)
        if variant == "type" and pk:
            variant = "check-added"
        # The column's declaration, rewritten in the stored schema text (the rows stay as they are).
        con = sqlite3.connect(self.base_db)
        sql = con.execute("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?", (table,)).fetchone()[0]
        con.close()
        lines = sql.split("\n")
        at = next((i for i, line in enumerate(lines) if line.strip().split(" ")[0] == column), None)
        if at is None:
            # A table declared on one line: a column added instead.
            self.pack_sql(target, f"ALTER TABLE {table} ADD COLUMN {self.word()} TEXT;")
            return f"added {table}"
        line = lines[at]
        comma = "," if line.rstrip().endswith(",") else ""
        decl = line.rstrip().rstrip(",")
        if variant == "type":
            other = "BLOB" if kind.upper() != "BLOB" else "TEXT"
            decl = decl.replace(f"{column} {kind}", f"{column} {other}", 1) if kind else f"{decl} {other}"
        elif variant == "not-null-dropped":
            decl = decl.replace(" NOT NULL", "")
        elif variant == "default-changed":
            decl = decl.replace(f"DEFAULT {default}", "DEFAULT 1" if default != "1" else "DEFAULT 2")
        elif variant == "check-added":
            decl += f" CHECK ({column} IS NOT 'x')"
        else:
            decl += " COLLATE NOCASE"
        lines[at] = decl + comma
        new = "\n".join(lines)
        if new == sql:
            # An unusual declaration: a column added instead.
            self.pack_sql(target, f"ALTER TABLE {table} ADD COLUMN {self.word()} TEXT;")
            return f"added {table}"
        self.pack_sql(target, "", [("UPDATE sqlite_master SET sql = ? WHERE type = 'table' AND name = ?", (new, table))])
        return f"{variant} {table}.{column}"

    def schema_version(self, target):
        version = self.rng.choice([11, 12, 100, 2 ** 31 - 1, 1, 2, 3, 5, 7, 8, 9, 0, -1, -(2 ** 31)])
        self.pack_sql(target, f"PRAGMA user_version = {version};")
        return f"version {version}"

    def missing_object(self, target):
        kind = self.rng.choice(["trigger", "trigger", "index", "view"])
        if kind == "trigger":
            name = self.rng.choice(self.triggers)[0]
        elif kind == "index":
            name = self.rng.choice([i for i in self.indexes if not i[0].startswith("sqlite_")])[0]
        else:
            name = self.rng.choice(self.views)
        self.pack_sql(target, f"DROP {kind.upper()} {name};")
        return f"{kind} {name}"


KINDS = ["truncated", "bitflip-header", "bitflip-body", "wrong-magic", "huge-size", "foreign-sqlite",
         "extra-trigger", "extra-view", "extra-table", "altered-index", "altered-column", "schema-version",
         "missing-object", "seal"]


def main():
    count, seed, base_db, base_archive, tool, out = sys.argv[1:7]
    maker = Maker(int(seed), base_db, base_archive, tool, out)
    with open(os.path.join(out, "manifest.tsv"), "w") as manifest:
        for i in range(int(count)):
            kind = KINDS[i % len(KINDS)]
            name = f"{i:04d}.SPA"
            variant = getattr(maker, kind.replace("-", "_"))(os.path.join(out, name))
            manifest.write(f"{name}\t{kind}\t{variant}\n")
    for leftover in (maker.scratch, maker.scratch + "-journal"):
        if os.path.exists(leftover):
            os.remove(leftover)


if __name__ == "__main__":
    main()
