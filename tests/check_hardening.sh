#!/usr/bin/env bash
# Checks that each program given is hardened: position-independent, full
# RELRO, stack protector and fortified library calls.
set -u
status=0
fail() { echo "FAIL: $1: $2"; status=1; }
for program in "$@"; do
    header=$(readelf -h "$program")
    segments=$(readelf -lW "$program")
    dynamic=$(readelf -dW "$program")
    symbols=$(readelf --dyn-syms -W "$program")
    grep -q 'Type:.*DYN' <<<"$header" || fail "$program" "not position-independent"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "$program" "no RELRO segment"
    grep -Eq 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "$program" "RELRO is not full (no BIND_NOW)"
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program" "no stack protector"
    grep -Eq '__[a-z_]+_chk' <<<"$(grep -v __stack_chk_fail <<<"$symbols")" || fail "$program" "no fortified calls"
    [ $status -eq 0 ] && echo "hardened: $program"
done
exit $status
