#!/bin/sh
# start DIR | stop DIR: a private PostgreSQL cluster for the tests, in DIR,
# on a Unix socket in DIR only (no TCP), with the role "ktx" trusted.
# The server refuses to run as root, so root runs it as the postgres user.
set -eu
action=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "postgres-cluster: no PostgreSQL server; run tools/install-deps" >&2; exit 1; }

as_server() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=postgres --regid=postgres --init-groups -- "$@"
  else
    "$@"
  fi
}

stop() {
  [ -f "$dir/data/postmaster.pid" ] && as_server "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case $action in
  start)
    stop
    mkdir -m 700 "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres:postgres "$dir"
    as_server "$bin/initdb" -D "$dir/data" -A trust -U ktx --no-sync -E UTF8 >"$dir/initdb.log" 2>&1 \
      || { cat "$dir/initdb.log" >&2; exit 1; }
    as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
      -o "-k $dir -c listen_addresses='' -c fsync=off -c max_connections=60" start >/dev/null \
      || { cat "$dir/server.log" >&2; exit 1; }
    ;;
  stop) stop ;;
  *) echo "usage: postgres-cluster.sh start|stop DIR" >&2; exit 2 ;;
esac
