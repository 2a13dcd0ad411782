#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A DAViCal of the test's own: a private PostgreSQL cluster that listens only on a unix socket in
# a temporary folder, the database made by DAViCal's own scripts, user "ann" (password "secret")
# with one calendar, and a private Apache with PHP on a free loopback port. The system's own
# Apache and PostgreSQL are never touched, nor anything under /etc.
#   davical_server.sh start DIR [PID]   starts it; prints the calendar's URL. DIR must not exist:
#                      it becomes a link to the server's folder, which holds access.log (one line
#                      a request: method, path, status, bytes, microseconds), error.log (Apache's
#                      and DAViCal's own messages) and postgres.log. With PID, the servers also
#                      stop once that process ends, should it end without stopping them (a test
#                      killed at its time limit).
#   davical_server.sh stop DIR          stops both servers and removes the folder
# Exits 77 ("skipped: …") where a part cannot be found or does not start.
set -u
skip() { echo "skipped: $*" >&2; exit 77; }
action=${1:-} link=${2:-} watched=${3:-}
[ -n "$link" ] && { [ "$action" = start ] || [ "$action" = stop ]; } \
    || { echo "usage: davical_server.sh start|stop DIR" >&2; exit 2; }

stop() {
    local dir=${dir:-}
    [ -n "$dir" ] || dir=$(readlink "$link") || return 0
    if [ -s "$dir/httpd.pid" ]; then
        local pid
        pid=$(cat "$dir/httpd.pid")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    [ -f "$dir/pg/postmaster.pid" ] && as_owner "$pg_bin/pg_ctl" stop -D "$dir/pg" -m immediate -s >/dev/null 2>&1
    rm -rf "$dir" "$link"
}

# PostgreSQL refuses to run as root, so under root the cluster (and Apache's workers, which read
# the socket) runs as the unprivileged "nobody", in a folder of its own.
if [ "$(id -u)" -eq 0 ]; then
    owner=nobody group=$(id -gn nobody 2>/dev/null) || skip "there is no user \"nobody\" to run PostgreSQL as"
    as_owner() { setpriv --reuid="$owner" --regid="$group" --clear-groups -- "$@"; }
else
    owner=$(id -un) group=$(id -gn)
    as_owner() { "$@"; }
fi
pg_bin=
for candidate in /usr/lib/postgresql/15/bin /usr/lib/postgresql/*/bin; do
    [ -x "$candidate/initdb" ] && { pg_bin=$candidate; break; }
done

if [ "$action" = stop ]; then stop; exit 0; fi

[ -e "$link" ] && { echo "davical_server.sh: $link exists already" >&2; exit 2; }
[ -n "$pg_bin" ] || skip "PostgreSQL's initdb is not installed (postgresql)"
[ -x /usr/share/davical/dba/create-database.sh ] || skip "DAViCal is not installed (davical)"
httpd=$(command -v apache2 || echo /usr/sbin/apache2)
[ -x "$httpd" ] || skip "Apache is not installed (apache2)"
modules=/usr/lib/apache2/modules
php_module=$(ls "$modules"/libphp*.so 2>/dev/null | head -1)
[ -n "$php_module" ] || skip "Apache's PHP module is not installed (libapache2-mod-php)"
compgen -G "/etc/php/*/apache2/conf.d/*-pgsql.ini" >/dev/null || skip "PHP's PostgreSQL module is not installed (php-pgsql)"

# The owner must reach the folder: a TMPDIR private to root is no place for it.
base=${TMPDIR:-/tmp}
as_owner test -w "$base" -a -x "$base" || base=/tmp
dir=$(mktemp -d "$base/davical.XXXXXX") || skip "no temporary folder"
ln -s "$dir" "$link"
mkdir "$dir/socket" "$dir/run"
chown -R "$owner:$group" "$dir"
fail() { # fail WHAT LOG...: the part that did not start, its logs, and everything stopped again
    local log
    echo "skipped: $1" >&2
    shift
    for log in "$@"; do [ -s "$log" ] && tail -20 "$log" >&2; done
    stop
    exit 77
}

# The cluster: no TCP at all, the socket in the folder; a throwaway store needs no fsync.
export PGHOST="$dir/socket" PGPORT=5432 PGUSER=postgres
as_owner "$pg_bin/initdb" -D "$dir/pg" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 --no-sync \
    >"$dir/initdb.log" 2>&1 || fail "PostgreSQL's initdb failed" "$dir/initdb.log"
as_owner "$pg_bin/pg_ctl" start -D "$dir/pg" -w -t 30 -s -l "$dir/postgres.log" \
    -o "-c listen_addresses= -c unix_socket_directories=$dir/socket -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
    >/dev/null 2>&1 || fail "PostgreSQL did not start" "$dir/postgres.log"

# The database as DAViCal's own script makes it, then the user and her principal as its admin
# pages would insert them: "**" before a password is DAViCal's mark for one stored as it is.
PATH="$pg_bin:$PATH" /usr/share/davical/dba/create-database.sh davical not-used-admin \
    >"$dir/create-database.log" 2>&1 || fail "DAViCal's create-database.sh failed" "$dir/create-database.log"
psql -qXAt -v ON_ERROR_STOP=1 -d davical >>"$dir/create-database.log" 2>&1 <<'SQL' || fail "the user could not be made" "$dir/create-database.log"
INSERT INTO usr (active, email_ok, updated, username, password, fullname, email)
    VALUES (TRUE, current_date, current_date, 'ann', '**secret', 'Ann', 'ann@example.org');
INSERT INTO principal (type_id, user_no, displayname)
    SELECT 1, user_no, 'Ann' FROM usr WHERE username = 'ann';
SQL

port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
user_lines=
[ "$(id -u)" -eq 0 ] && user_lines="User $owner
Group $group"
cat > "$dir/httpd.conf" <<CONF
ServerName 127.0.0.1
Listen 127.0.0.1:$port
PidFile $dir/httpd.pid
DefaultRuntimeDir $dir/run
Mutex file:$dir/run default
ErrorLog $dir/error.log
LogLevel warn
LogFormat "%m %U%q %>s %B %D" requests
# Not the dummy "OPTIONS *" that Apache sends itself to wake a worker it ends.
CustomLog $dir/access.log requests "expr=%{REQUEST_URI} != '*'"
$user_lines
LoadModule mpm_prefork_module $modules/mod_mpm_prefork.so
LoadModule authz_core_module $modules/mod_authz_core.so
LoadModule dir_module $modules/mod_dir.so
LoadModule rewrite_module $modules/mod_rewrite.so
LoadModule php_module $php_module
StartServers 2
MinSpareServers 2
MaxSpareServers 4
MaxRequestWorkers 8
DocumentRoot /usr/share/davical/htdocs
<Directory /usr/share/davical/htdocs>
    Require all granted
    AcceptPathInfo On
    DirectoryIndex index.php
</Directory>
<FilesMatch "\.php$">
    SetHandler application/x-httpd-php
</FilesMatch>
# DAViCal at the server's root, as its own Apache example puts it: a client that starts from
# http://host/ (or /.well-known/caldav) finds the principal. The URLs DAViCal hands out keep
# /caldav.php.
RewriteEngine On
RewriteCond %{REQUEST_URI} !\.(php|html|css|js|png|gif|jpg|ico)
RewriteRule ^(.*)$ /caldav.php\$1 [NC,L]
CONF
# DAViCal's configuration names the database and its user but no host: the workers' libpq takes
# the folder of the socket from PGHOST, which they inherit from Apache.
"$httpd" -f "$dir/httpd.conf" -k start >"$dir/httpd.out" 2>&1 || fail "Apache did not start" "$dir/httpd.out"

url="http://127.0.0.1:$port/caldav.php/ann/shared/"
# The calendar, made the way a client makes one; it answers only once Apache and the database do.
/usr/bin/python3 - "$url" >"$dir/mkcalendar.log" 2>&1 <<'PY' || fail "DAViCal made no calendar" "$dir/mkcalendar.log" "$dir/error.log"
import base64, sys, time, urllib.request
body = b'''<?xml version="1.0" encoding="utf-8"?>
<C:mkcalendar xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
  <D:set><D:prop><D:displayname>Shared</D:displayname></D:prop></D:set>
</C:mkcalendar>'''
request = urllib.request.Request(sys.argv[1], data=body, method="MKCALENDAR", headers={
    "Authorization": "Basic " + base64.b64encode(b"ann:secret").decode(),
    "Content-Type": "application/xml; charset=utf-8"})
for attempt in range(100):
    try:
        status = urllib.request.urlopen(request, timeout=10).status
        sys.exit(0 if status == 201 else 1)
    except urllib.error.HTTPError as error:
        print(error.code, error.read().decode(errors="replace"))
        sys.exit(1)
    except OSError:
        time.sleep(0.1)
sys.exit(1)
PY
if [ -n "$watched" ]; then
    # Detached from the caller's output, or a $(…) around this script would wait for it.
    # /proc rather than kill -0, which a process of another user refuses as if it had ended.
    (while [ -d "/proc/$watched" ] && [ -d "$dir" ]; do sleep 1; done; stop) \
        </dev/null >/dev/null 2>&1 &
fi
echo "$url"
