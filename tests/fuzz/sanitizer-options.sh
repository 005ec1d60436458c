# Sourced by scripts/test.sh and scripts/fuzz.sh before they run sanitized binaries: every
# finding stops the binary with a failure, and leaks are checked with the suppressions of
# lsan.supp beside this file (leaks inside Qt and the platform only, each explained there).
exisosi_fuzz_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$exisosi_fuzz_dir/lsan.supp:print_suppressions=0
