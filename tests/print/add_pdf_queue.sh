#!/bin/sh
# Adds a CUPS-PDF queue NAME to the private scheduler of DIR (see private_cupsd.sh); its PDF files land in
# DIR/out-NAME. CUPS_SERVER must name that scheduler.
#
# The CUPS-PDF backend takes its settings from /etc/cups/cups-pdf.conf, then from the queue's PPD options,
# then from the job. Folders cannot be given as absolute paths in a PPD (its parser cuts a default value at
# the first "/"), so the queue names them relative to the backend's working directory, which is DIR.
# Usage: add_pdf_queue.sh DIR NAME
set -eu

dir=${1:?usage: add_pdf_queue.sh DIR NAME}
name=${2:?usage: add_pdf_queue.sh DIR NAME}
dir=$(cd "$dir" && pwd)
: "${CUPS_SERVER:?CUPS_SERVER must name the private scheduler}"

model=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -r "$model" ] || { echo "add_pdf_queue.sh: $model not found (package printer-driver-cups-pdf)" >&2; exit 1; }

out="out-$name"
mkdir -p "$dir/$out" "$dir/pdf-spool" "$dir/pdf-log" "$dir/pdf-tmp"
chmod 1777 "$dir/pdf-tmp"

ppd="$dir/$name.ppd"
cp "$model" "$ppd"
cat >> "$ppd" <<PPD
*OpenUI *Out/Output folder: PickOne
*DefaultOut: $out
*Out $out/Output folder: ""
*CloseUI: *Out
*OpenUI *AnonDirName/Anonymous output folder: PickOne
*DefaultAnonDirName: $out
*AnonDirName $out/Anonymous output folder: ""
*CloseUI: *AnonDirName
*OpenUI *Spool/Spool folder: PickOne
*DefaultSpool: pdf-spool
*Spool pdf-spool/Spool folder: ""
*CloseUI: *Spool
*OpenUI *Log/Log folder: PickOne
*DefaultLog: pdf-log
*Log pdf-log/Log folder: ""
*CloseUI: *Log
*OpenUI *GSTmp/Ghostscript temporary folder: PickOne
*DefaultGSTmp: pdf-tmp
*GSTmp pdf-tmp/Ghostscript temporary folder: ""
*CloseUI: *GSTmp
*OpenUI *Grp/Group: PickOne
*DefaultGrp: lp
*Grp lp/Group: ""
*CloseUI: *Grp
PPD

# lpadmin warns that PPD drivers are deprecated: only a failure is worth showing.
PATH="$PATH:/usr/sbin"
if ! lpadmin -p "$name" -E -v cups-pdf:/ -P "$ppd" 2>"$dir/lpadmin.err"; then
    cat "$dir/lpadmin.err" >&2
    exit 1
fi
