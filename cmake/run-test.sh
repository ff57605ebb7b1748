#!/bin/sh
# Runs one test program with a runtime folder of its own (lock files, the hand-over socket, GTK's
# own), so that test programs never hand files to each other or to a running copy of the program.
folder=$(mktemp -d "${TMPDIR:-/tmp}/zantoby-test-run.XXXXXX") || exit 1
XDG_RUNTIME_DIR="$folder" "$@"
status=$?
rm -rf "$folder"
exit $status
