#!/usr/bin/env python3
"""Checks model documents against docs/cgcalc-model.schema.json.

Usage: check_document_schema.py SCHEMA PATH...
Each PATH is a document, or a folder whose *.cgcalc files are checked. A
folder without documents fails, so that a moved folder is not passed over.
"""
import json
import pathlib
import sys

import jsonschema


def documents(path):
    path = pathlib.Path(path)
    if not path.is_dir():
        return [path]
    found = sorted(path.glob("*.cgcalc"))
    if not found:
        sys.exit(f"{path}: no documents to check")
    return found


def main():
    schema = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    failed = False
    for path in (d for argument in sys.argv[2:] for d in documents(argument)):
        for error in validator.iter_errors(json.loads(path.read_text(encoding="utf-8"))):
            print(f"{path}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
            failed = True
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
