#!/usr/bin/env bash
# Checks the packages as a user of Debian packages meets them: a plain
# Release build from a copy of the sources with the front ends and the
# demo, `cpack` (.deb per component and a .tar.gz), the .debs unpacked into
# a scratch root (no dpkg database touched), then the outside project in
# examples/ built against the unpacked /usr with find_package, with the
# optional components asked for, and run; then the unpacked demo, which
# loads the terminal screen only in a terminal and the web front end only
# for --web.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/scratch-sources.sh

echo "== plain Release build and cpack"
cmake -S "$scratch/src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVOK_BUILD_TESTS=OFF -DVOK_BUILD_APPS=ON >/dev/null
cmake --build "$scratch/build"
(cd "$scratch/build" && cpack >/dev/null)
packages="$scratch/build/packages"
ls "$packages"

expect_package() {  # name: the .deb of that package must exist
  compgen -G "$packages/$1_*.deb" >/dev/null || { echo "no package $1" >&2; exit 1; }
}
for name in libvokdatepicker1 libvokdatepicker-dev libvokdatepicker-frontend1 \
            libvokdatepicker-webfrontend1 vokdatepicker-demo; do
  expect_package "$name"
done
compgen -G "$packages/vokdatepicker-*.tar.gz" >/dev/null || { echo "no .tar.gz" >&2; exit 1; }
depends="$(dpkg-deb -f "$packages"/libvokdatepicker1_*.deb Depends)"
[[ "$depends" == *libicu* ]] || { echo "the runtime package does not depend on ICU: $depends" >&2; exit 1; }
# The demo's data comes with the demo only.
if dpkg-deb -c "$packages"/libvokdatepicker1_*.deb | grep -q VOKDemoSearch; then
  echo "the runtime package holds the demo's catalog" >&2; exit 1
fi

echo "== the .debs unpacked into a scratch root"
root="$scratch/root"
for deb in "$packages"/*.deb; do dpkg-deb -x "$deb" "$root"; done
rm -rf "$scratch/src" "$scratch/build"

echo "== the example against the unpacked packages, with the front-end components"
cat >>"$scratch/example/CMakeLists.txt" <<'CMAKE'
# Added by the package check: the optional components are found.
find_package(VOKDatePicker 1.0 CONFIG REQUIRED COMPONENTS frontend webfrontend)
foreach(target VOKDatePicker::frontend VOKDatePicker::webfrontend)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "${target} missing")
  endif()
endforeach()
CMAKE
cmake -S "$scratch/example" -B "$scratch/example-build" -G Ninja \
  -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$scratch/example-build" >/dev/null
output="$(LANG=C.UTF-8 VOK_TODAY=2025-06-15 "$scratch/example-build/pick_a_date" 2>"$scratch/notes")"
[[ "$output" == *'"02/14/2025" is the date 2025-02-14'* && ! -s "$scratch/notes" ]] || {
  printf 'the example printed:\n%s\nand on stderr:\n' "$output" >&2; cat "$scratch/notes" >&2; exit 1; }
# grep reads all of ldd's output: with -q it could stop early, and ldd's
# broken pipe would fail the pipeline.
ldd "$scratch/example-build/pick_a_date" | grep "$root/usr/lib" >/dev/null ||
  { echo "the example did not load the unpacked libraries" >&2; exit 1; }
demo="$root/usr/bin/vok_demo"
if ldd "$demo" | grep -E 'libvokwebfrontend|httplib|libssl|libvokterminal|ncurses|libtinfo|libicui18n' >/dev/null; then
  echo "vok_demo links what only its terminal and web runs need:" >&2; ldd "$demo" >&2; exit 1
fi

echo "== the demo loads the terminal screen in a terminal, and says when it cannot"
# in_terminal WAIT_FOR: runs the demo in a tmux pane, waits until the pane
# shows WAIT_FOR, presses Ctrl-Q and prints the pane as it was then and
# after the program ended, with its exit status.
in_terminal() {
  local socket="vok-debs-$$" shown pane
  tmux -L "$socket" new-session -d -x 100 -y 30 \
    "LANG=C.UTF-8 '$demo'; echo \"status \$?\"; sleep 30"
  for _ in $(seq 50); do
    shown="$(tmux -L "$socket" capture-pane -p -J)"
    [[ "$shown" == *"$1"* ]] && break
    sleep 0.1
  done
  tmux -L "$socket" send-keys C-q
  for _ in $(seq 50); do
    pane="$(tmux -L "$socket" capture-pane -p -J)"
    [[ "$pane" == *"status "* ]] && break
    sleep 0.1
  done
  tmux -L "$socket" kill-server
  printf '%s\n%s\n' "$shown" "$pane"
}
shown="$(in_terminal "Find documents")"
[[ "$shown" == *"Find documents"*"status 0"* ]] || { echo "the demo in a terminal showed:" >&2; echo "$shown" >&2; exit 1; }
rm "$root"/usr/lib/libvokterminal.so*
shown="$(in_terminal "status ")"
[[ "$shown" == *"cannot load the terminal screen: $root/"*"libvokterminal.so.1: "*"status 1"* ]] ||
  { echo "without its screen library the demo showed:" >&2; echo "$shown" >&2; exit 1; }

echo "== the demo loads the web front end only for --web, and says when it cannot"
served="$(LANG=C.UTF-8 timeout -s INT 3 "$demo" --web 2>&1)" || true
[[ "$served" == "Open http://127.0.0.1:"* ]] || { echo "vok_demo --web printed: $served" >&2; exit 1; }
rm "$root"/usr/lib/libvokwebfrontend.so*
status=0
refused="$(LANG=C.UTF-8 "$demo" --web 2>&1)" || status=$?
[[ $status == 1 && "$refused" == "vok_demo: cannot load the web front end: $root/"*"/libvokwebfrontend.so.1: "* ]] ||
  { echo "without its library vok_demo --web ended with status $status: $refused" >&2; exit 1; }
echo "deb check passed"
