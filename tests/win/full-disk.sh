#!/bin/sh
# The export's full-disk case: a tiny tmpfs filled to its last byte, holding old.txt.
#   full-disk.sh mount DIR | unmount DIR
# Mounting needs root; without it nothing is mounted and the case skips.
set -u
dir="$2"
case "$1" in
mount)
  mkdir -p "$dir"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  if ! mount -t tmpfs -o size=64k,mode=0777 tmpfs "$dir" 2>/dev/null; then
    echo "full-disk: cannot mount a tmpfs here; the full-disk case will skip"
    exit 0
  fi
  printf 'old\r\n' >"$dir/old.txt"
  dd if=/dev/zero of="$dir/filler" bs=4096 2>/dev/null || true
  ;;
unmount)
  if mountpoint -q "$dir"; then umount "$dir"; fi
  rmdir "$dir" 2>/dev/null || true
  ;;
esac
exit 0
