"""Reads a CSV file with Python's csv module and prints its records as JSON, for the export tests."""
import csv
import json
import sys

with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    records = list(csv.reader(f, strict=True))
json.dump(records, sys.stdout, ensure_ascii=True)
