#!/usr/bin/env bash
# A one-node Slurm cluster on this machine, for trying and testing `ivorn run --executor slurm`:
#   scripts/slurm_local.sh start    installs slurm-wlm and munge when missing, writes a one-node
#                                   configuration, starts munged, slurmctld and slurmd, and waits
#                                   until the node is idle
#   scripts/slurm_local.sh stop     stops the daemons it started
#   scripts/slurm_local.sh env      prints the SLURM_CONF line the Slurm commands need
# Everything lives under $IVORN_SLURM_DIR (default /tmp/ivorn-slurm); /etc/slurm is not touched.
# IVORN_SLURM_MAX_ARRAY_SIZE sets the cluster's MaxArraySize (to try sets split into several
# arrays) when the configuration is first written; IVORN_SLURM_PORT moves a second cluster's ports.
# No cgroups: processes are tracked by their parentage and tasks are not confined.
set -euo pipefail
dir=${IVORN_SLURM_DIR:-/tmp/ivorn-slurm}
conf=$dir/slurm.conf
export SLURM_CONF=$conf
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

install_missing() {
  local missing=()
  for package in slurm-wlm munge; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

write_configuration() {
  mkdir -p "$dir/state" "$dir/spool"
  local user node
  user=$(id -un)
  # The node as slurmd sees this machine (CPUs, sockets, cores, memory).
  node=$(slurmd -C | head -1)
  cat >"$conf" <<CONF
ClusterName=ivorn-local
SlurmctldHost=$(hostname -s)
SlurmUser=$user
SlurmdUser=$user
SlurmctldPort=${IVORN_SLURM_PORT:-6817}
SlurmdPort=$(( ${IVORN_SLURM_PORT:-6817} + 1 ))
AuthType=auth/munge
StateSaveLocation=$dir/state
SlurmdSpoolDir=$dir/spool
SlurmctldPidFile=$dir/slurmctld.pid
SlurmdPidFile=$dir/slurmd.pid
SlurmctldLogFile=$dir/slurmctld.log
SlurmdLogFile=$dir/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
SchedulerType=sched/backfill
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
ReturnToService=2
# Finished tasks stay visible to scontrol for an hour: without a database that is where their
# final state is read.
MinJobAge=3600
MaxArraySize=${IVORN_SLURM_MAX_ARRAY_SIZE:-1001}
$node State=UNKNOWN
PartitionName=debug Nodes=ALL Default=YES MaxTime=INFINITE State=UP
CONF
}

start_munge() {
  if munge -n 2>/dev/null | unmunge >/dev/null 2>&1; then return 0; fi
  "${sudo_cmd[@]}" mkdir -p /run/munge /var/log/munge /var/lib/munge
  if [ ! -s /etc/munge/munge.key ]; then
    "${sudo_cmd[@]}" sh -c 'dd if=/dev/urandom bs=1 count=1024 of=/etc/munge/munge.key 2>/dev/null'
  fi
  "${sudo_cmd[@]}" chown -R munge:munge /etc/munge /run/munge /var/log/munge /var/lib/munge
  "${sudo_cmd[@]}" chmod 0700 /etc/munge
  "${sudo_cmd[@]}" chmod 0400 /etc/munge/munge.key
  # The daemons must not inherit the lock's descriptor: they would hold it for their whole life
  # and every later start would wait on it for ever.
  "${sudo_cmd[@]}" runuser -u munge -- /usr/sbin/munged 9>&-
  for _ in $(seq 50); do munge -n 2>/dev/null | unmunge >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "munged did not start" >&2
  return 1
}

running() { [ -s "$dir/$1.pid" ] && kill -0 "$(cat "$dir/$1.pid")" 2>/dev/null; }

start() {
  install_missing
  [ -f "$conf" ] || write_configuration
  start_munge
  running slurmctld || slurmctld -f "$conf" 9>&-
  running slurmd || slurmd -f "$conf" 9>&-
  local state=""
  for _ in $(seq 120); do
    state=$(sinfo -h -o %T 2>/dev/null | head -1 || true)
    case "$state" in
      idle|mixed|allocated) echo "Slurm is up: node $state; export SLURM_CONF=$conf"; return 0 ;;
      down*|drain*) scontrol update NodeName=ALL State=RESUME 2>/dev/null || true ;;
    esac
    sleep 0.5
  done
  echo "Slurm did not come up (node state: ${state:-none}); see $dir/slurmctld.log and $dir/slurmd.log" >&2
  return 1
}

stop() {
  for daemon in slurmd slurmctld; do
    if running "$daemon"; then
      kill "$(cat "$dir/$daemon.pid")"
      for _ in $(seq 50); do running "$daemon" || break; sleep 0.1; done
    fi
  done
  echo "Slurm stopped"
}

# Tests in several processes may start it at once: one at a time.
mkdir -p "$dir"
exec 9>"$dir/lock"
flock 9

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  env) echo "export SLURM_CONF=$conf" ;;
  *) echo "usage: $0 start|stop|env" >&2; exit 2 ;;
esac
