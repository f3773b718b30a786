#!/bin/sh
# Stands in for the user's web browser in the tests: records each address it is asked to open
# in browser-addresses.txt beside itself.
printf '%s\n' "$1" >> "$(dirname "$0")/browser-addresses.txt"
