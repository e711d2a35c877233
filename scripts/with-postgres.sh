#!/usr/bin/env bash
# Runs CMD with a throwaway PostgreSQL server: started in a temporary directory, listening only on
# a Unix socket there (no TCP), with one database whose URI is in ZOR06_TEST_PG_URI; stopped and
# removed when CMD ends, fails or is interrupted. As root the server runs as the user postgres.
#     scripts/with-postgres.sh ctest --test-dir build-test -R store
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: scripts/with-postgres.sh CMD [ARG...]" >&2
    exit 2
fi

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/initdb" ]; then
    echo "with-postgres: no PostgreSQL server in /usr/lib/postgresql; install the postgresql package" >&2
    exit 1
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/zor06-pg.XXXXXX")
user=$(id -un)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    # The server refuses to run as root.
    user=postgres
    chown postgres: "$dir"
    as_user=(runuser -u postgres --)
fi

stop() {
    if [ -f "$dir/data/postmaster.pid" ]; then
        "${as_user[@]}" "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if ! "${as_user[@]}" "$bindir/initdb" -D "$dir/data" -U "$user" --auth=trust -E UTF8 \
        --locale=C.UTF-8 >"$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2
    exit 1
fi
# Test data need not survive a crash: fsync off spares the disk.
if ! "${as_user[@]}" "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
        -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off" \
        start >/dev/null; then
    cat "$dir/server.log" >&2
    exit 1
fi
"${as_user[@]}" "$bindir/createdb" -h "$dir" -U "$user" zor06_test

export ZOR06_TEST_PG_URI="postgresql:///zor06_test?host=$dir&user=$user"
status=0
"$@" || status=$?
exit "$status"
