#!/usr/bin/env bash
# The fresh-machine check: builds a new minimal Debian 12 root (nothing but
# apt), copies the working tree into it and runs there what a new user runs:
# scripts/deps.sh and the CMake configure step. It fails when either fails
# and names what the new machine lacked.
#
#   scripts/fresh-check.sh           deps.sh and the configure step (a few minutes)
#   scripts/fresh-check.sh --full    deps.sh, the whole scripts/test.sh and the Debian package,
#                                    installed with apt on a second new root (about 20 minutes)
#
# Needs root (mmdebstrap --mode=root); installs mmdebstrap when it is missing.
# The root is built in a temporary folder and thrown away afterwards.
set -euo pipefail

# Run by mmdebstrap for the package check of --full: a second new root
# gets the built .deb through apt and only that; the installed program must
# answer, have its companions and start (offscreen, with the fake platform).
if [ "${1:-}" = "--package-root" ]; then
  root="$2"
  cp "$FRESH_OUT"/*.deb "$root/tmp/"
  exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive /bin/bash -c '
      set -euo pipefail
      apt-get update -qq
      apt-get install -y -qq --no-install-recommends /tmp/*.deb >/dev/null
      cd /tmp
      rozvahon --version
      rozvahon --help | grep -q -- --import-paradox
      for companion in Zapomnik Volbik Minulak Hydrak Voltak Plamak; do test -x /usr/bin/$companion; done
      test -f /usr/share/applications/cz.mlynek.Rozvahon.desktop
      status=0
      mkdir -p /tmp/program
      QT_QPA_PLATFORM=offscreen ROZVAHON_FAKE_PLATFORM=1 timeout 10 rozvahon --dir /tmp/program || status=$?
      [ "$status" -eq 124 ] || { echo "the installed program ended with $status instead of running" >&2; exit 1; }
      test -f /tmp/program/Data/Leden.db
      echo "The package installs on a new Debian 12 root and the program starts."'
fi

# Run by mmdebstrap inside its customize hook: $2 is the new root.
if [ "${1:-}" = "--in-root" ]; then
  root="$2"
  mkdir -p "$root/root/rozvahon"
  # The working tree as git sees it: tracked and new files, not build/.
  (cd "$FRESH_TOP" && git ls-files -z --cached --others --exclude-standard \
     | xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh \
     | tar --null -T - -cf -) | tar -C "$root/root/rozvahon" -xf -
  if [ "$FRESH_MODE" = full ]; then
    steps='scripts/test.sh && scripts/package.sh >/dev/null'
  else
    steps='scripts/deps.sh && cmake -S . -B build -G Ninja -DROZVAHON_WERROR=ON'
  fi
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb /bin/bash -c "set -euo pipefail; cd /root/rozvahon; $steps"
  if [ "$FRESH_MODE" = full ]; then
    cp "$root"/root/rozvahon/build/package/*.deb "$FRESH_OUT/"
  fi
  exit 0
fi

mode=configure
case "${1:-}" in
  "") ;;
  --full) mode=full ;;
  *) echo "usage: $0 [--full]" >&2; exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-check.sh builds a Debian root and must run as root." >&2; exit 2; }

top="$(cd "$(dirname "$0")/.." && pwd)"
if ! command -v mmdebstrap >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

log="$(mktemp /tmp/rozvahon-fresh-check.XXXXXX.log)"
started=$SECONDS
echo "Fresh-machine check ($mode): a new Debian 12 root with nothing but apt; log in $log"
out="$(mktemp -d /tmp/rozvahon-fresh-package.XXXXXX)"
trap 'rm -rf "$out"' EXIT
set +e
FRESH_TOP="$top" FRESH_MODE="$mode" FRESH_OUT="$out" mmdebstrap --variant=apt --mode=root --quiet \
  --customize-hook="bash '$top/scripts/fresh-check.sh' --in-root \"\$1\"" \
  bookworm /dev/null 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ] && [ "$mode" = full ]; then
  echo "The package on a second new root, installed with apt:"
  FRESH_OUT="$out" mmdebstrap --variant=apt --mode=root --quiet \
    --customize-hook="bash '$top/scripts/fresh-check.sh' --package-root \"\$1\"" \
    bookworm /dev/null 2>&1 | tee -a "$log"
  status=${PIPESTATUS[0]}
fi
set -e
minutes=$(( (SECONDS - started) / 60 )); seconds=$(( (SECONDS - started) % 60 ))

if [ "$status" -ne 0 ]; then
  echo
  echo "FRESH-MACHINE CHECK FAILED after ${minutes} min ${seconds} s ($mode)."
  # CMake's own notes ("-- Could NOT find ...") are left out: optional
  # packages are reported there too; what the configure step needed and
  # missed is in its errors, what apt could not give in its E: lines.
  # CMake wraps its messages: a hit is joined with the lines that go on it.
  missing="$(awk '
      function flush() { if (hit && !seen[text]++) print text; hit = 0 }
      hit && /^  +[^ ]/ && text !~ /[.)"]$/ { sub(/^ +/, ""); text = text " " $0; next }
      { flush() }
      /^-- |Configuring with --debug-find|mmdebstrap|setup failed/ { next }
      /Could not find|could not be found|Failed to find|Unable to locate|^E: |command not found/ {
        text = $0; sub(/^ +/, "", text); hit = 1 }
      END { flush() }' "$log")"
  if [ -n "$missing" ]; then
    echo "What the new machine lacked:"
    printf '%s\n' "$missing" | sed 's/^/  /'
  else
    echo "See the log for the reason: $log"
  fi
  exit 1
fi
echo "Fresh-machine check passed in ${minutes} min ${seconds} s ($mode)."
