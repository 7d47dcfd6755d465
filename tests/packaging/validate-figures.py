#!/usr/bin/env python3
"""Validates the figures korval-cli prints for every example against the shipped schema.

usage: validate-figures.py KORVAL_CLI SCHEMA PROFILE EXAMPLES_FOLDER
Exits 77 (skipped) when python3-jsonschema is not installed.
"""
import json
import pathlib
import subprocess
import sys

try:
    import jsonschema
except ImportError:
    print("python3-jsonschema is not installed: skipped")
    sys.exit(77)

cli, schema_path, profile, examples = sys.argv[1:5]
schema = json.loads(pathlib.Path(schema_path).read_text())
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

failures = 0
# Only Korval documents have figures; the history file beside them is not one.
kinds = {".PRJ", ".FPM", ".CCM", ".RLM", ".SLE"}
files = sorted(p for p in pathlib.Path(examples).iterdir()
               if p.is_file() and p.suffix.upper() in kinds)
for example in files:
    result = subprocess.run([cli, "figures", example.name, "--profile", profile],
                            cwd=examples, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        print(f"{example.name}: korval-cli exited {result.returncode}: {result.stderr}")
        failures += 1
        continue
    errors = list(validator.iter_errors(json.loads(result.stdout)))
    for error in errors:
        print(f"{example.name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    failures += bool(errors)
    print(f"{example.name}: {'invalid' if errors else 'valid'}")

# The schema must also refuse what it should: a wrong schemaVersion, a missing model object.
sample = json.loads(subprocess.run([cli, "figures", "payroll.PRJ", "--profile", profile],
                                   cwd=examples, capture_output=True, text=True,
                                   check=True).stdout)
for broken in ({**sample, "schemaVersion": 2},
               {key: value for key, value in sample.items() if key != "project"}):
    if validator.is_valid(broken):
        print("the schema accepts a document it should refuse")
        failures += 1
sys.exit(1 if failures else 0)
