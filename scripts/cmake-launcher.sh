# Sourced by the build scripts: ccache in front of the compiler when it is
# installed, so a second build of the same sources (CI again, the sanitizer
# build after a change) is quick.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
