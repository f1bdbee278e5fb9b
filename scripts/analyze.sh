#!/usr/bin/env bash
# Static analysis of the programs' code (lib/, launcher/, settings/ and checker/ when it is
# there): clang-tidy with the checks of .clang-tidy, and cppcheck's warning and portability
# checks, over both builds: the host's (the pure decisions) and the Windows programs' (the
# Win32 boundary, the acting code in win32/ folders and the entry points). Exits non-zero
# on any finding.
# Cppcheck's false positives are suppressed in the code, each with its reason.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/analyze
jobs=${ANALYZE_JOBS:-2}
for tool in clang-tidy cppcheck; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

# The compilation databases of both builds (configured only, nothing is compiled).
cmake --no-warn-unused-cli -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --no-warn-unused-cli -S . -B "$out/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win32.cmake \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DBUILD_TESTING=OFF >/dev/null

# Clang reads the sources as UTF-8 and knows no code page 932 for literals: GCC's
# character-set options go, which changes no finding. Only the programs' own C++ sources
# stay; the Windows database keeps what only the Windows build compiles.
filter_database() {
  python3 - "$1" "$2" "$PWD" <<'EOF'
import json, re, sys
database, which, root = sys.argv[1:]
entries = []
for entry in json.load(open(f"{database}/compile_commands.json")):
    source = entry["file"]
    if not re.match(re.escape(root) + r"/(lib|launcher|settings|checker)/.*\.cpp$", source):
        continue
    if which == "win32" and not re.search(r"/(win32|runtime)/", source):
        continue
    entry["command"] = re.sub(r" -f(input|exec)-charset=\S+", "", entry["command"])
    entries.append(entry)
json.dump(entries, open(f"{database}/analyzed/compile_commands.json", "w"), indent=1)
print("\n".join(entry["file"] for entry in entries))
EOF
}

# Clang in the MinGW target, with the cross compiler's own C++ library headers.
win32_arguments=(--extra-arg-before=--target=i686-w64-mingw32)
while read -r folder; do
  win32_arguments+=("--extra-arg=-isystem$folder")
done < <(i686-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 |
         sed -n '/#include <...> search starts here:/,/End of search list./p' | grep '/c++' | sed 's/^ *//')

status=0
for build in host win32; do
  mkdir -p "$out/$build/analyzed"
  mapfile -t sources < <(filter_database "$out/$build" "$build")
  arguments=()
  [ "$build" = win32 ] && arguments=("${win32_arguments[@]}")
  echo "clang-tidy ($build): ${#sources[@]} files"
  # Clang-tidy ends non-zero on a finding (every warning is an error) and when it fails.
  if ! printf '%s\n' "${sources[@]}" |
      xargs -P "$jobs" -n 4 clang-tidy --quiet -p "$out/$build/analyzed" "${arguments[@]}" \
        >"$out/clang-tidy-$build.log" 2>"$out/clang-tidy-$build.errors"; then
    grep -E ': (warning|error):' "$out/clang-tidy-$build.log" || cat "$out/clang-tidy-$build.errors"
    status=1
  fi

  echo "cppcheck ($build)"
  cppcheck --project="$out/$build/analyzed/compile_commands.json" --std=c++20 --enable=warning,portability \
    --inline-suppr --error-exitcode=1 --quiet -j "$jobs" \
    --template='{file}:{line}: {severity}: {message} [{id}]' || status=1
done
[ $status -eq 0 ] && echo "No findings."
exit $status
