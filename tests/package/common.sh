# Shared by the package tests: the .deb that Package.Build made, and failing
# with a message. Sourced with OUT (the folder build.sh wrote) in $1.
fail() { echo "package: $*" >&2; exit 1; }

package_file() {
  local deb
  deb=$(find "$1" -maxdepth 1 -name 'fulgrane3d_*.deb' 2> /dev/null | head -n 1)
  if [ -z "$deb" ]; then
    echo "SKIP: no package was built (see Package.Build)" >&2
    exit 77
  fi
  echo "$deb"
}
