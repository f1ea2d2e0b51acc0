#!/usr/bin/env bash
# The application writer's route from the installed tree: configure, build
# and test the thermostat example installed under the documentation, then
# change one pixel of its screen and expect the golden test to fail with an
# actual and a diff picture beside the golden, and VRLIB_UPDATE_GOLDEN=1 to
# make the new screen the golden.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "example_test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log"
example=$(find "$tmp/prefix/share/doc" -type d -name thermostat | head -n 1)
[ -n "$example" ] || fail "thermostat example not installed under share/doc"
golden=$example/golden/thermostat_screen.png
pngdiff=$tmp/prefix/bin/vr_pngdiff

cmake -S "$example" -B "$tmp/build" -DCMAKE_PREFIX_PATH="$tmp/prefix" >"$tmp/configure.log" \
  || { cat "$tmp/configure.log"; fail "configure failed"; }
cmake --build "$tmp/build" >"$tmp/build.log" 2>&1 || { cat "$tmp/build.log"; fail "build failed"; }
(cd "$tmp/build" && ctest --output-on-failure >"$tmp/pass.log" 2>&1) || { cat "$tmp/pass.log"; fail "golden test fails as installed"; }

# One pixel more, drawn just before the screen is shown.
cp "$golden" "$tmp/golden-before.png"
sed -i 's|^    VR_RefreshDisplay();|    VR_SetPixel(VR_Point{300, 20}, VR_Colour{0, 255, 0, 255});\n&|' "$example/thermostat.cpp"
grep -q 'VR_SetPixel(VR_Point{300, 20}' "$example/thermostat.cpp" || fail "could not change the example"
cmake --build "$tmp/build" >"$tmp/build2.log" 2>&1 || { cat "$tmp/build2.log"; fail "changed build failed"; }
if (cd "$tmp/build" && ctest --output-on-failure >"$tmp/fail.log" 2>&1); then
  fail "golden test passed although one pixel changed"
fi
actual=$example/golden/thermostat_screen.actual.png
diff=$example/golden/thermostat_screen.diff.png
[ -f "$actual" ] && [ -f "$diff" ] || { cat "$tmp/fail.log"; fail "no actual or diff picture beside the golden"; }
grep -q "$actual" "$tmp/fail.log" && grep -q "$diff" "$tmp/fail.log" || { cat "$tmp/fail.log"; fail "the failure does not name the pictures"; }
grep -q "1 of 76800 pixels differ" "$tmp/fail.log" || { cat "$tmp/fail.log"; fail "the failure does not say one pixel differs"; }
# The actual picture is the changed screen.
report=$("$pngdiff" "$golden" "$actual" || true)
[[ $report == "1 of 76800 pixels differ, the first at (300, 20)"* ]] || fail "the actual picture is not the changed screen: $report"

# The update switch makes the changed screen the golden.
(cd "$tmp/build" && VRLIB_UPDATE_GOLDEN=1 ctest >"$tmp/update.log" 2>&1) || { cat "$tmp/update.log"; fail "update run failed"; }
if "$pngdiff" "$golden" "$tmp/golden-before.png" >/dev/null; then fail "VRLIB_UPDATE_GOLDEN=1 did not rewrite the golden"; fi
[ ! -e "$actual" ] && [ ! -e "$diff" ] || fail "stale actual or diff picture left after the update"
(cd "$tmp/build" && ctest >"$tmp/after.log" 2>&1) || { cat "$tmp/after.log"; fail "golden test fails after the update"; }
echo "example configured, built and tested from the installed tree; one changed pixel fails with actual and diff; the update switch rewrites"
