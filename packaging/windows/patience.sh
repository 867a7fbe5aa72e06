# Waiting for what Wine shows, for the scripts that look at windows (sourced).
# A window or a page appears and paints when Wine gets to it, later on a busy
# machine, so every look at one is retried until it holds. Only a failure
# waits the whole patience, in seconds.
patience=60
# within SECONDS CHECK [ARG...]: runs CHECK every tenth of a second until it holds, for at most SECONDS.
within() { local tries=$(($1 * 10)); shift; for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done; return 1; }
