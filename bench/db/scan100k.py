# Benchmark: `scan100k.py create FILE` writes 100,000 rows of three fields into an SQLite file;
# `scan100k.py FILE` reads them back, sums one field and prints "<sum> <best ms of three>".
import sqlite3
import sys
import time


def create(path):
    con = sqlite3.connect(path)
    con.execute("CREATE TABLE items (id INTEGER PRIMARY KEY, name TEXT, amount INTEGER)")
    con.executemany("INSERT INTO items VALUES (?, ?, ?)",
                    ((i, "Товар %d" % i, i % 1000) for i in range(1, 100001)))
    con.commit()
    con.close()


def scan(path):
    con = sqlite3.connect(path)
    total = 0
    for row in con.execute("SELECT id, name, amount FROM items"):
        total += row[2]
    con.close()
    return total


if sys.argv[1] == "create":
    create(sys.argv[2])
else:
    best = None
    for _ in range(3):
        start = time.perf_counter()
        total = scan(sys.argv[1])
        elapsed = (time.perf_counter() - start) * 1000
        best = elapsed if best is None or elapsed < best else best
    print(total, round(best))
