#!/usr/bin/env bash
# scripts/compare-builds over stand-in build folders of a library, a program
# and data files, built here for both architectures: it passes twins that a
# caller binds alike, whatever Wine prefix is left in them, and names each
# kind of difference that breaks the 32-bit one.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/compare-builds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }
cd "$work"

cat >lib.c <<'EOF'
__declspec(dllexport) int Plain(void) { return 1; }
__declspec(dllexport) int __stdcall Bound(int x) { return x; }
EOF
printf 'EXPORTS\n    Plain\n    Bound\n' >lib.def
printf 'int main(void) { return 0; }\n' >prog.c
printf '#include <windows.h>\nint main(void) { return MessageBeep(0); }\n' >beep.c

mkdir -p x86_64/bin/res/Skin x86_64/bin-sim parts
printf '<Window/>\n' >x86_64/bin/res/Skin/main.xml
head -c 2048 /dev/zero >x86_64/bin/Data_Cfg1.bin
head -c 2048 /dev/zero >x86_64/bin-sim/Data_Cfg1.bin
cp -r x86_64 i686
x86_64-w64-mingw32-gcc-posix -shared -o x86_64/bin/lib.dll lib.c lib.def
x86_64-w64-mingw32-gcc-posix -o x86_64/bin/prog.exe prog.c
# The 32-bit library exports Bound beside its decorated Bound@4.
i686-w64-mingw32-gcc-posix -shared -o i686/bin/lib.dll lib.c lib.def -Wl,--enable-stdcall-fixup
i686-w64-mingw32-gcc-posix -o i686/bin/prog.exe prog.c
i686-w64-mingw32-gcc-posix -shared -o parts/decorated.dll lib.c
i686-w64-mingw32-gcc-posix -o parts/beep.exe beep.c -luser32
cp -r i686 good
# A Wine prefix left in the 32-bit build folder, with files of its own.
mkdir -p parts/wineprefix/drive_c/windows/system32
cp x86_64/bin/lib.dll parts/wineprefix/drive_c/windows/system32/ole32.dll
printf 'WINE REGISTRY\n' >parts/wineprefix/user.reg

run() {  # run: status in $status, the report in $work/err
  status=0
  "$script" i686 x86_64 >/dev/null 2>"$work/err" || status=$?
}
expect() {  # expect WHAT PATTERN: compare-builds failed and named it
  run
  [ "$status" -ne 0 ] || fail "$1: passed"
  grep -q "$2" "$work/err" || fail "$1: the report ($(cat "$work/err"))"
  rm -rf i686 && cp -r good i686
}

run
[ "$status" -eq 0 ] || fail "twins: status $status ($(cat "$work/err"))"

cp parts/decorated.dll i686/bin/lib.dll
expect "an export under its decorated name alone" "^  bin/lib.dll: Bound$"

rm i686/bin/prog.exe
expect "a program missing" "^  > bin/prog.exe$"

cp x86_64/bin/lib.dll i686/bin/lib.dll
expect "a 64-bit library" "^  bin/lib.dll: pei-x86-64$"

cp parts/beep.exe i686/bin/prog.exe
expect "an import of another library" "^  bin/prog.exe: user32.dll$"

rm i686/bin/res/Skin/main.xml
expect "a data file missing" "^  bin/res/Skin/main.xml: missing$"

echo extra >i686/bin-sim/extra.txt
expect "a data file added" "^  bin-sim/extra.txt: not in x86_64$"

printf 'XX' | dd of=i686/bin/Data_Cfg1.bin conv=notrunc status=none
expect "a data file changed" "^  bin/Data_Cfg1.bin: differs from byte 1$"

truncate -s 100 i686/bin-sim/Data_Cfg1.bin
expect "a data file cut short" "^  bin-sim/Data_Cfg1.bin: cut short, 100 of 2048 bytes$"

echo more >>i686/bin-sim/Data_Cfg1.bin
expect "a data file longer" "^  bin-sim/Data_Cfg1.bin: longer, 2053 bytes where its twin has 2048$"

cp -r parts/wineprefix i686/wineprefix
cp -r parts/wineprefix i686/bin/wineprefix
run
[ "$status" -eq 0 ] || fail "a Wine prefix left in the build folder: status $status ($(cat "$work/err"))"

[ "$failures" -eq 0 ] || exit 1
echo "compare-builds: all cases passed"
