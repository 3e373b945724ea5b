#!/usr/bin/env bash
# fanwright-cli as a process: output that cannot be written, input that cannot be read, a
# reader that goes away, and a person typing one line at a time.
#
#   cli_process_test.sh PATH-TO-FANWRIGHT-CLI
set -u
cli=$1
code=ch3bpu5c1b7d8d9dwewewe1bffffwewsw
failures=0

# expect STATUS PATTERN -- COMMAND...: runs the command through bash -c, checks its status and
# that its standard error matches the extended regular expression.
expect() {
    local want=$1 pattern=$2
    shift 3
    local err status
    err=$(timeout 20 bash -c "$*" 2>&1 >/dev/null)
    status=$?
    if [[ $status -ne $want || ! $err =~ $pattern ]]; then
        echo "FAIL: $* -> status $status, stderr: $err (wanted $want, /$pattern/)"
        failures=$((failures + 1))
    fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expect 3 "score: cannot write standard output: " -- "'$cli' score $code >/dev/full"
expect 3 "score: cannot write standard output: " -- "'$cli' score $code >&-"
expect 3 "generate: cannot write standard output: " -- "'$cli' generate --count 1000 >/dev/full"
expect 3 "score: cannot read standard input: " -- "'$cli' score <'$tmp'"
expect 3 "score: cannot read standard input: " -- "'$cli' score <&-"
expect 0 "^$" -- "'$cli' score <<<'$code'"
# With SIGPIPE ignored the reader's going away shows as a failed write, which must end the run
# long before a hundred million hands.
expect 3 "generate: cannot write standard output: " -- \
    "trap '' PIPE; '$cli' generate --count 100000000 | head -1 >/dev/null; exit \${PIPESTATUS[0]}"

# Each typed line is answered before the next is read. The coprocess's variables are copied at
# once: bash unsets them as soon as it has reaped the process, which a quick exit makes early.
coproc scorer { "$cli" score --json; }
scorer_pid=$scorer_PID scorer_out=${scorer[0]} scorer_in=${scorer[1]}
echo "$code" >&"$scorer_in"
if ! read -r -t 10 answer <&"$scorer_out" || [[ $answer != "{\"code\": \"$code\""* ]]; then
    echo "FAIL: no answer to a typed line before the next (got: ${answer:-nothing})"
    failures=$((failures + 1))
fi
exec {scorer_in}>&-
wait "$scorer_pid"

((failures == 0)) && echo "all process checks passed"
exit $((failures > 0))
