#!/bin/sh
# The export's refusing file systems: a tiny tmpfs filled to its last byte, holding old.txt, or one
# holding keep.txt mounted read-only (the tests run as root, whom a folder's permissions do not
# stop).
#   full-disk.sh mount DIR | mount-read-only DIR | unmount DIR
# Mounting needs root; without it nothing is mounted and the cases skip.
set -u
dir="$2"
case "$1" in
mount | mount-read-only)
  mkdir -p "$dir"
  if mountpoint -q "$dir"; then umount "$dir"; fi
  if ! mount -t tmpfs -o size=64k,mode=0777 tmpfs "$dir" 2>/dev/null; then
    echo "full-disk: cannot mount a tmpfs here; the cases that need it will skip"
    exit 0
  fi
  if [ "$1" = mount ]; then
    printf 'old\r\n' >"$dir/old.txt"
    dd if=/dev/zero of="$dir/filler" bs=4096 2>/dev/null || true
  else
    printf 'keep\r\n' >"$dir/keep.txt"
    mount -o remount,ro "$dir"
  fi
  ;;
unmount)
  if mountpoint -q "$dir"; then umount "$dir"; fi
  rmdir "$dir" 2>/dev/null || true
  ;;
esac
exit 0
