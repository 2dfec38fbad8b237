;;; client.el --- Emacs eglot against `corvane-script lsp', headless  -*- lexical-binding: t -*-
;; For each script named in CORVANE_SCRIPT_FILES: opens it, waits for its diagnostics, asks for
;; completion after "DO " (line 3), formats the buffer through the server, saves it, and writes
;; what it saw to CORVANE_RESULT. The mode and server settings are the README's recipe.
(require 'eglot)
(require 'flymake)

(define-derived-mode corvane-ai-script-mode prog-mode "Corvane AI script")
(add-to-list 'auto-mode-alist '("/ai/[^/]*\\.txt\\'" . corvane-ai-script-mode))
(add-to-list 'eglot-server-programs
             `(corvane-ai-script-mode . (,(getenv "CORVANE_SCRIPT") "lsp")))

(defvar corvane-lines nil)
(defun corvane-report (format-string &rest args)
  (push (apply #'format format-string args) corvane-lines))

(defun corvane-wait (predicate seconds)
  "Let the server's messages in until PREDICATE holds or SECONDS pass."
  (let ((deadline (+ (float-time) seconds)))
    (while (and (not (funcall predicate)) (< (float-time) deadline))
      (accept-process-output nil 0.05))
    (funcall predicate)))

(dolist (file (split-string (getenv "CORVANE_SCRIPT_FILES")))
  (find-file file)
  (corvane-report "file %s mode %s eol %s" (file-name-nondirectory file) major-mode
                  (coding-system-eol-type buffer-file-coding-system))
  ;; The first script starts the server; the folder's next script joins it.
  (unless (eglot-current-server) (apply #'eglot (eglot--guess-contact)))
  (corvane-wait (lambda () (eglot-current-server)) 20)
  ;; Flymake asks its backends on a timer; starting it by hand makes the wait deterministic.
  (corvane-wait (lambda () (flymake-start) (flymake-diagnostics)) 20)
  (dolist (diagnostic (flymake-diagnostics))
    (let ((start (flymake-diagnostic-beg diagnostic)))
      (corvane-report "diagnostic %s %d:%d %s %s" (file-name-nondirectory file) (line-number-at-pos start)
                      (save-excursion (goto-char start) (1+ (- (point) (line-beginning-position))))
                      (flymake-diagnostic-type diagnostic) (flymake-diagnostic-text diagnostic))))
  (goto-char (point-min))
  (forward-line 2)
  (forward-char 4)  ; "\tDO " on line 3
  (let* ((capf (eglot-completion-at-point))
         (items (and capf (all-completions "" (nth 2 capf)))))
    (corvane-report "completion %d STATE_FETCH_WOOD %s" (length items)
                    (if (member "STATE_FETCH_WOOD" items) "yes" "no")))
  (eglot-format-buffer)
  (save-buffer)
  (corvane-report "formatted %s" (file-name-nondirectory file)))

(let ((servers (apply #'append (hash-table-values eglot--servers-by-project))))
  (dolist (server servers)
    ;; The protocol's own ending, so that the server's exit status tells whether it ended cleanly.
    (let ((process (jsonrpc--process server)))
      (jsonrpc-request server :shutdown nil)
      (jsonrpc-notify server :exit nil)
      (corvane-wait (lambda () (not (process-live-p process))) 10)
      (corvane-report "servers %d exit %s" (length servers) (process-exit-status process)))))
(with-temp-file (getenv "CORVANE_RESULT")
  (insert (mapconcat #'identity (reverse corvane-lines) "\n") "\n"))
(kill-emacs 0)
