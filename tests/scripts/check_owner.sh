#!/usr/bin/env bash
# Root running a script in a checkout that belongs to another user (sudo scripts/run.sh) hands it
# to that user through scripts/owner.sh: the script goes on as that user, with that user's runtime
# folder when there is one and otherwise none, never root's.
#   check_owner.sh SOURCE_DIR
# Exits 77, which ctest reports as skipped, unless run as root: only root hands over. The checkout
# belongs to `nobody`, whose runtime folder the check makes for a while and removes.
set -euo pipefail
source=$1
user=nobody

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: only root hands a checkout over"
    exit 77
fi
# Other trees' runs of this check on the same machine wait for this one.
exec 9>/tmp/quorvane-owner-check.lock
flock 9
runtime=/run/user/$(id -u "$user")
if [ -e "$runtime" ]; then
    echo "SKIPPED: $runtime is there already"
    exit 77
fi

# In /tmp whatever TMPDIR says: the other user must reach the checkout, and TMPDIR may lie in a
# home that only its owner may enter.
checkout=$(mktemp -d /tmp/quorvane-owner.XXXXXX)
made_parent=0
[ -d /run/user ] || made_parent=1
trap 'rm -rf "$checkout" "$runtime"; [ $made_parent -eq 0 ] || rmdir /run/user' EXIT
mkdir "$checkout/scripts"
cp "$source/scripts/owner.sh" "$checkout/scripts/"
cat >"$checkout/scripts/probe.sh" <<'PROBE'
#!/usr/bin/env bash
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/owner.sh
echo "as $(id -un), runtime folder ${XDG_RUNTIME_DIR-none}"
PROBE
chmod +x "$checkout/scripts/probe.sh"
chown -R "$user" "$checkout"

failed=0
expect() {
    local found
    found=$(cd "$checkout" && XDG_RUNTIME_DIR=/run/user/0 scripts/probe.sh)
    if [ "$found" != "$1" ]; then
        echo "FAILED: $2: the script ran $found; expected $1"
        failed=1
    fi
}
expect "as $user, runtime folder none" "a user without a runtime folder"
mkdir -p "$runtime"
expect "as $user, runtime folder none" "a runtime folder that is root's"
chown "$user" "$runtime"
chmod 700 "$runtime"
expect "as $user, runtime folder $runtime" "the user's own runtime folder"
exit $failed
