-- The account behind an attempt is the one that logged in: SET ROLE changes current_user, never
-- session_user.
ALTER TABLE attempt ALTER COLUMN trainee_login SET DEFAULT session_user;
DROP POLICY trainee_adds_own ON attempt;
DROP POLICY trainee_reads_own ON attempt;
CREATE POLICY trainee_adds_own ON attempt FOR INSERT TO tavelle_stagiaire
    WITH CHECK (trainee_login = session_user);
CREATE POLICY trainee_reads_own ON attempt FOR SELECT TO tavelle_stagiaire
    USING (trainee_login = session_user);

-- What a finished attempt can hold, and no more. Rows kept before are left as they are (NOT VALID): the
-- bounds hold from now on.
ALTER TABLE attempt
    ADD CONSTRAINT score_out_of_five CHECK (score BETWEEN 0 AND 5) NOT VALID,
    -- 30 days, the program's longestAttemptSeconds: it brings a clock's jump back within them.
    ADD CONSTRAINT seconds_within_a_month CHECK (seconds_taken BETWEEN 0 AND 2592000) NOT VALID,
    -- A machine's clock may be off, never by years.
    ADD CONSTRAINT finished_near_received CHECK (finished_at BETWEEN received_at - interval '40 years'
                                                 AND received_at + interval '1 year') NOT VALID,
    ADD CONSTRAINT names_bounded CHECK (char_length(surname) + char_length(given_name) <= 120
                                        AND char_length(trainee_group) <= 60) NOT VALID,
    ADD CONSTRAINT texts_bounded CHECK (char_length(source) <= 4096 AND octet_length(exercise) <= 65536
                                        AND octet_length(CAST(answers AS text)) <= 16384) NOT VALID;

-- Trainees make no temporary tables nor functions: they only add their attempts and read them. The
-- database's owner keeps the right.
DO $$
BEGIN
    EXECUTE format('REVOKE TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());
END
$$;
