#!/usr/bin/env bash
# A throwaway PostgreSQL server for the database tests: `start DIR` makes a fresh cluster in DIR
# listening only on a Unix socket in DIR (no TCP), `stop DIR` stops it and removes DIR.
# Fails loudly when the PostgreSQL programs are missing, so that the tests needing them fail too.
set -euo pipefail
action=${1:?start or stop}
dir=${2:?folder}

find_bin() {
  local name=$1 candidate
  if candidate=$(command -v "$name" 2>/dev/null); then echo "$candidate"; return 0; fi
  for candidate in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$candidate/$name" ]; then echo "$candidate/$name"; return 0; fi
  done
  echo "pg-test-server: '$name' not found; install Debian's postgresql package (scripts/install-deps.sh)" >&2
  return 1
}

# PostgreSQL refuses to run as root: then the server runs as the postgres user.
as_server() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

pg_ctl=$(find_bin pg_ctl)
initdb=$(find_bin initdb)

stop_server() {
  if [ -f "$dir/data/postmaster.pid" ]; then
    as_server "$pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
}

case "$action" in
  start)
    stop_server
    rm -rf "$dir"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [ "$(id -u)" -eq 0 ]; then chown postgres "$dir"; fi
    as_server "$initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 \
      || { cat "$dir/initdb.log" >&2; exit 1; }
    as_server "$pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses='' -k $dir -c fsync=off -c full_page_writes=off" start >/dev/null \
      || { cat "$dir/server.log" >&2; exit 1; }
    echo "PostgreSQL test server on socket folder $dir"
    ;;
  stop)
    stop_server
    rm -rf "$dir"
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
