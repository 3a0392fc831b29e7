# bash completion for grovekeep-vif, Grovekeep's package tool        -*- shell-script -*-
#
# Installed as bash-completion/completions/grovekeep-vif, where bash-completion loads it on
# first use; it also works sourced on its own, without bash-completion's helpers.

# Completes the word being typed as a file name: "vif" for packages (and the folders that may
# hold them), "dir" for folders, nothing for any file.
_grovekeep_vif_files() {
    local kind=$1
    if declare -F _filedir >/dev/null; then
        case $kind in
            vif) _filedir vif ;;
            dir) _filedir -d ;;
            *) _filedir ;;
        esac
        return
    fi
    local IFS=$'\n'
    case $kind in
        vif) COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!*.[vV][iI][fF]' -- "$cur")) ;;
        dir) COMPREPLY=($(compgen -d -- "$cur")) ;;
        *) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
    compopt -o filenames 2>/dev/null
}

# Completes the id of an operation for undo (those in force: complete) or verify (any that can
# be read), from what 'grovekeep-vif history' lists for the Grovekeep folder of the line, or of
# options.txt. The tool runs quietly, with no input and for three seconds at most; like the
# command being typed, it first rolls back what an interrupted run left, which is safe at any
# moment: it waits for a Grovekeep at work on the history.
_grovekeep_vif_ids() {
    local command=$1 k folder=()
    for ((k = 2; k < cword; k++)); do
        case ${words[k]} in
            --manager-folder) folder=(--manager-folder "${words[k + 1]/#\~/$HOME}") ;;
            --manager-folder=*) folder=("--manager-folder=${words[k]#*=}") ;;
        esac
    done
    local runner=()
    command -v timeout >/dev/null 2>&1 && runner=(timeout 3)
    local tool=${words[0]/#\~/$HOME} id time state rest ids=()
    while IFS=$'\t' read -r id time state rest; do
        [[ $id =~ ^[0-9]+$ ]] || continue
        [[ $command == undo && $state != complete ]] && continue
        ids+=("$id")
    done < <("${runner[@]}" "$tool" history "${folder[@]}" </dev/null 2>/dev/null)
    COMPREPLY=($(compgen -W "${ids[*]}" -- "$cur"))
}

_grovekeep_vif() {
    local cur prev words cword
    # "=" stays inside a word (--manager-folder=DIR is one option), as the tool reads it.
    if declare -F _init_completion >/dev/null; then
        _init_completion -n = || return
    else
        # Bash breaks words at "=": the pieces are joined again.
        local k join=0
        words=()
        for ((k = 0; k < ${#COMP_WORDS[@]}; k++)); do
            if [[ ${COMP_WORDS[k]} == = && ${#words[@]} -gt 1 ]]; then
                words[-1]+==
                join=1
            elif ((join)); then
                words[-1]+=${COMP_WORDS[k]}
                join=0
            else
                words+=("${COMP_WORDS[k]}")
            fi
            ((k == COMP_CWORD)) && cword=$((${#words[@]} - 1))
        done
        cur=${words[cword]}
        prev=${words[cword - 1]}
    fi
    COMPREPLY=()

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W 'list extract pack install history undo verify prune
            --help --version' -- "$cur"))
        return
    fi

    # The value of an option given after "=": bash completes the part after it.
    if [[ $cur == --*=* ]]; then
        prev=${cur%%=*}
        cur=${cur#*=}
    fi
    case $prev in
        --game-folder | --manager-folder)
            _grovekeep_vif_files dir
            return
            ;;
        --older-than) # a number of days
            return
            ;;
        --files-from)
            _grovekeep_vif_files
            return
            ;;
    esac

    local command=${words[1]} options
    case $command in
        list) options='--json' ;;
        extract) options='--manager-folder' ;;
        pack) options='--files-from --manager-folder' ;;
        install) options='--game-folder --manager-folder --dry-run --json' ;;
        history) options='--manager-folder --json' ;;
        undo) options='--force --manager-folder' ;;
        verify) options='--store --manager-folder --json' ;;
        prune) options='--older-than --even-installed --dry-run --manager-folder' ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi

    # How many arguments that are neither options nor their values come before this one.
    local k n=0
    for ((k = 2; k < cword; k++)); do
        case ${words[k]} in
            --game-folder | --manager-folder | --older-than | --files-from) ((k++)) ;;
            -*) ;;
            *) ((n++)) ;;
        esac
    done
    case $command in
        list | install)
            ((n == 0)) && _grovekeep_vif_files vif
            ;;
        extract)
            case $n in
                0) _grovekeep_vif_files vif ;;
                1) _grovekeep_vif_files dir ;;
            esac
            ;;
        pack)
            # PACKAGE, then pairs of FILE and INSTALL_PATH (a Windows path: not completed).
            if ((n == 0)); then
                _grovekeep_vif_files vif
            elif ((n % 2 == 1)); then
                _grovekeep_vif_files
            fi
            ;;
        undo | verify)
            [[ " ${words[*]} " == *" --store "* ]] && return 0 # verify --store takes no id
            ((n == 0)) && _grovekeep_vif_ids "$command"
            ;;
    esac
    return 0
} &&
    complete -F _grovekeep_vif grovekeep-vif
