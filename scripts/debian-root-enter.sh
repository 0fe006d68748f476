# Entering a root of scripts/debian-root.sh, which sources this with `root`, `home`, `scratch`
# and `binds` set: every mount lives in a private mount and process namespace that ends with the
# command, however the command ends.

# A scratch copy is an overlay over the root: asked of the machine with a small one.
overlay_works() {
    local try status=0
    try=$(mktemp -d)
    mkdir "$try/lower" "$try/upper" "$try/work" "$try/merged"
    unshare --mount mount -t overlay -o "lowerdir=$try/lower,upperdir=$try/upper,workdir=$try/work" \
        overlay "$try/merged" 2>/dev/null || status=$?
    rm -rf "$try"
    return $status
}

# The variables that name certificate authorities and proxies, as the machine has them.
passed_variables() {
    env | grep -E '^([A-Z_]*(CERT|CA_BUNDLE|CAINFO|CA_CERTS)[A-Z_]*|(https?|no|all)_proxy|(HTTPS?|NO|ALL)_PROXY)=' || true
}

# enter COMMAND...: runs COMMAND in the root; `then=exec enter ...` ends this script with it, so
# that whoever stops the script stops the namespace, and everything in it, too. The root is a
# mount point of its own there, so that a command in it may make private namespaces too.
enter() {
    local variables=()
    mapfile -t variables < <(passed_variables)
    ${then:-} unshare --mount --propagation private --pid --fork --kill-child --uts \
        bash -euc '
        root=$1 scratch=$2 binds=$3
        shift 3
        if [ -n "$scratch" ]; then
            mount -t tmpfs -o mode=755 scratch "$scratch"
            mkdir "$scratch/upper" "$scratch/work" "$scratch/root"
            mount -t overlay -o "lowerdir=$root,upperdir=$scratch/upper,workdir=$scratch/work" \
                scratch "$scratch/root"
            root=$scratch/root
        else
            mount --bind "$root" "$root"
        fi
        mount -t proc proc "$root/proc"
        mount -t sysfs -o ro sysfs "$root/sys"
        mount -t tmpfs -o mode=755 dev "$root/dev"
        for node in null zero full random urandom tty; do
            touch "$root/dev/$node"
            mount --bind "/dev/$node" "$root/dev/$node"
        done
        mkdir "$root/dev/pts" "$root/dev/shm"
        mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
        ln -s pts/ptmx "$root/dev/ptmx"
        ln -s /proc/self/fd "$root/dev/fd"
        mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
        mount -t tmpfs -o mode=1777 tmp "$root/tmp"
        while IFS=: read -r folder path; do
            [ -n "$folder" ] || continue
            mkdir -p "$root$path"
            mount --bind "$folder" "$root$path"
        done <<<"$binds"
        exec chroot "$root" "$@"' enter "$root" "${scratch:+$home/scratch}" "$binds" \
        env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" ${CI:+CI=$CI} "${variables[@]}" "$@"
}
