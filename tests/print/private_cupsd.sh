#!/bin/sh
# Runs a private CUPS scheduler in the foreground, entirely inside DIR: its configuration, spool, logs and
# the socket DIR/cups.sock that clients reach through CUPS_SERVER. It listens on no network port and
# writes nothing outside DIR, so the machine's own print system is never touched.
# Usage: private_cupsd.sh DIR        (DIR must exist; the scheduler's working directory becomes DIR)
set -eu

dir=${1:?usage: private_cupsd.sh DIR}
dir=$(cd "$dir" && pwd)

if [ "$(id -u)" -ne 0 ]; then
    echo "private_cupsd.sh: the CUPS-PDF backend only runs for a scheduler started as root" >&2
    exit 77
fi

# Filters run as the unprivileged lp user and must reach the spool.
chmod 755 "$dir"
mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"

cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
ServerKeychain $dir/etc/ssl
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
Printcap $dir/state/printcap
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
CONF

cat > "$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
LogLevel warn
# A job that fails ends there instead of stopping its queue.
ErrorPolicy abort-job
# Keeps what the clients sent, for the tests to look at.
PreserveJobFiles Yes
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

# The working directory is inherited by the backends: the queues' CUPS-PDF settings name their folders
# relative to it (see add_pdf_queue.sh).
cd "$dir"
PATH="$PATH:/usr/sbin"
exec cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf"
