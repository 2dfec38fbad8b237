#!/usr/bin/env bash
# Installs code-server (VS Code in a browser) from npm, once, into a cache folder outside the tree;
# later runs reuse it. Prints the code-server program's path on standard output; all else goes to
# standard error.
#
# The version is the last whose Node.js major is Debian's/the machine's (20): its postinstall builds
# VS Code's native modules against the running Node. Two parts of that install want the internet
# beyond npm: node-gyp fetches Node's headers (the installed ones in /usr/include/node serve), and
# @vscode/ripgrep fetches rg from GitHub (Debian's ripgrep is put in its download cache instead).
set -euo pipefail
exec 3>&1 1>&2
cache=${CORVANE_CACHE_DIR:-/var/cache/corvane}
version=4.100.3
prefix=$cache/code-server-$version
program=$prefix/node_modules/.bin/code-server
stamp=$prefix/.corvane-code-server-complete
if [ -f "$stamp" ]; then
    echo "$program" >&3
    exit 0
fi

bash "$(dirname "$0")/install-deps.sh" build-essential pkg-config python3 libkrb5-dev libx11-dev libxkbfile-dev libsecret-1-dev \
    ripgrep
command -v npm >/dev/null || bash "$(dirname "$0")/install-deps.sh" npm  # not Debian's when Node.js is not
node_major=$(node -p 'process.versions.node.split(".")[0]')
[ "$node_major" = 20 ] || { echo "code-server $version needs Node.js 20, this is $(node --version)"; exit 1; }
[ -f /usr/include/node/node.h ] || { echo "Node.js headers are missing from /usr/include/node"; exit 1; }

rm -rf "$prefix"
mkdir -p "$prefix/tmp"
work=$prefix/tmp
# The ripgrep package code-server's VS Code pins, and the rg release that package downloads.
(cd "$work" && npm pack --silent "code-server@$version" >/dev/null && tar xzf "code-server-$version.tgz" package/lib/vscode/npm-shrinkwrap.json)
rg_package=$(node -p "require('$work/package/lib/vscode/npm-shrinkwrap.json').packages['node_modules/@vscode/ripgrep'].version")
(cd "$work" && npm pack --silent "@vscode/ripgrep@$rg_package" >/dev/null && tar xzf "vscode-ripgrep-$rg_package.tgz" package/lib/postinstall.js)
rg_release=$(sed -n "s/^const VERSION = '\(.*\)';/\1/p" "$work/package/lib/postinstall.js")
[ -n "$rg_release" ] || { echo "no rg release named in @vscode/ripgrep $rg_package"; exit 1; }
mkdir -p "$work/vscode-ripgrep-cache-$rg_package"
tar czf "$work/vscode-ripgrep-cache-$rg_package/ripgrep-$rg_release-x86_64-unknown-linux-musl.tar.gz" -C /usr/bin rg

(cd "$prefix" && env TMPDIR="$work" npm_config_nodedir=/usr npm_config_unsafe_perm=true npm_config_yes=true \
    nice -n 10 npm install --no-audit --no-fund --no-save --prefix . "code-server@$version")
"$program" --config "$work/config.yaml" --version
rm -rf "$work"
touch "$stamp"
echo "$program" >&3
