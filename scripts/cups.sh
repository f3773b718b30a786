# shellcheck shell=bash
# Sourced. A private print server for the tests and benchmarks: a cupsd of the project's own,
# with its configuration, spool, logs and socket under build/cups, and two PDF queues made with
# cups-pdf: "LetterloomPDF" (A4, the default printer) and "LetterloomWide" (A4 turned on its
# side: paper wider than high, for the layouts of landscape pages and for choosing a printer). Nothing outside the build folder
# changes; Wine and the CUPS tools reach it through CUPS_SERVER. Needs to run as root, as
# cups-pdf does.
#
#   letterloom_cups_start   start the server (if this shell has none), export CUPS_SERVER and
#                           LETTERLOOM_PDF_DIR, stop it when the shell exits
#   letterloom_cups_stop    stop it now

LETTERLOOM_CUPS_QUEUE=LetterloomPDF
LETTERLOOM_CUPS_WIDE_QUEUE=LetterloomWide
LETTERLOOM_CUPS_PID=""

letterloom_cups_start() {
  local root dir ppd i
  [ -n "$LETTERLOOM_CUPS_PID" ] && kill -0 "$LETTERLOOM_CUPS_PID" 2>/dev/null && return 0
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  dir="$root/build/cups"
  rm -rf "$dir"
  mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/run" "$dir/cache" "$dir/log" "$dir/pdf"
  chmod 0755 "$dir" "$dir/etc" "$dir/etc/ppd" "$dir/run" "$dir/cache"
  chmod 0710 "$dir/spool"
  chmod 1777 "$dir/spool/tmp"
  export LETTERLOOM_PDF_DIR="$dir/pdf"
  # cups-pdf reads its folders from the queue's PPD (the default choices of options named after
  # its settings) after its system-wide file. A PPD value ends at its first slash, so they are
  # plain names, relative to the server's working folder, build/cups, which its backends share.
  mkdir -p "$dir/pdfspool" "$dir/gstmp"
  ppd="$dir/etc/ppd/$LETTERLOOM_CUPS_QUEUE.ppd"
  cp /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd "$ppd"
  local setting value
  for setting in Out=pdf Spool=pdfspool Log=log GSTmp=gstmp; do
    value=${setting#*=}
    setting=${setting%%=*}
    printf '*OpenUI *%s: PickOne\n*Default%s: %s\n*%s %s: ""\n*CloseUI: *%s\n' \
      "$setting" "$setting" "$value" "$setting" "$value" "$setting" >>"$ppd"
  done
  # The wide queue: the same, with a paper of 842 x 595 points as its default.
  sed -e 's/^\*DefaultPageSize: A4/*DefaultPageSize: A4Wide/' \
    -e 's/^\*DefaultPageRegion: A4/*DefaultPageRegion: A4Wide/' \
    -e 's/^\*DefaultImageableArea: A4/*DefaultImageableArea: A4Wide/' \
    -e 's/^\*DefaultPaperDimension: A4/*DefaultPaperDimension: A4Wide/' \
    -e 's|^\*PageSize A4/A4: .*|&\n*PageSize A4Wide/A4 Wide: "<</PageSize[842 595]/ImagingBBox null>>setpagedevice"|' \
    -e 's|^\*PageRegion A4/A4: .*|&\n*PageRegion A4Wide/A4 Wide: "<</PageSize[842 595]/ImagingBBox null>>setpagedevice"|' \
    -e 's|^\*ImageableArea A4/A4: .*|&\n*ImageableArea A4Wide/A4 Wide: "0 0 842 595"|' \
    -e 's|^\*PaperDimension A4/A4: .*|&\n*PaperDimension A4Wide/A4 Wide: "842 595"|' \
    "$ppd" >"$dir/etc/ppd/$LETTERLOOM_CUPS_WIDE_QUEUE.ppd"
  cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/run/cups.sock
LogLevel ${LETTERLOOM_CUPS_LOGLEVEL:-warn}
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
JobRetryInterval 1
MaxJobs 0
PreserveJobHistory No
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
StateDir $dir/run
CacheDir $dir/cache
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
User lp
Group lp
SystemGroup root
CONF
  cat >"$dir/etc/printers.conf" <<CONF
<DefaultPrinter $LETTERLOOM_CUPS_QUEUE>
Info Letterloom test printer
DeviceURI cups-pdf:/
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
<Printer $LETTERLOOM_CUPS_WIDE_QUEUE>
Info Letterloom test printer, wide paper
DeviceURI cups-pdf:/
State Idle
Accepting Yes
Shared No
</Printer>
CONF
  chmod 0600 "$dir/etc/printers.conf"
  (cd "$dir" && exec /usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1) &
  LETTERLOOM_CUPS_PID=$!
  export CUPS_SERVER="$dir/run/cups.sock"
  letterloom_at_exit letterloom_cups_stop
  for ((i = 0; i < 200; i++)); do
    # The server answers before it has read its printers.
    lpstat -d 2>/dev/null | grep -q "$LETTERLOOM_CUPS_QUEUE" &&
      lpstat -p "$LETTERLOOM_CUPS_WIDE_QUEUE" >/dev/null 2>&1 && return 0
    kill -0 "$LETTERLOOM_CUPS_PID" 2>/dev/null || break
    sleep 0.05
  done
  echo "cups: the private cupsd did not start:" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
  letterloom_cups_stop
  return 1
}

letterloom_cups_stop() {
  if [ -n "$LETTERLOOM_CUPS_PID" ]; then
    kill "$LETTERLOOM_CUPS_PID" 2>/dev/null || true
    wait "$LETTERLOOM_CUPS_PID" 2>/dev/null || true
    LETTERLOOM_CUPS_PID=""
  fi
}
