#!/usr/bin/env bash
# The installed program (in a temporary prefix) finds its library and data and shows the title.
source "$(dirname "$0")/e2e_lib.sh"
: "${BUILD_FOLDER:?the build folder to install from}"

prefix="$work/prefix"
cmake --install "$BUILD_FOLDER" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
for file in bin/morvex lib/libtrazel.so share/morvex/morvex.m3d share/morvex/Gunshot.wav \
            share/morvex/Action1.Mid share/morvex/morvex.html share/applications/morvex.desktop \
            share/icons/hicolor/48x48/apps/morvex.png; do
  [ -e "$prefix/$file" ] || fail "$file was not installed"
done
# grep reads all of ldd's output: with -q it could stop early and fail the pipe.
ldd "$prefix/bin/morvex" | grep "$prefix/bin/../lib/libtrazel.so" >/dev/null ||
  fail "the installed program does not take libtrazel.so from its prefix: $(ldd "$prefix/bin/morvex" | grep trazel)"

start_game "$prefix/bin/morvex"
wait_for_window
wait_for_title
echo "installed copy shows the title"
